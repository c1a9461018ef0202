#include "HasDisplay.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace
{

struct Held {
    QtMsgType type;
    QByteArray category;
    QString message;
};
QList<Held> held;
QtMessageHandler previous = nullptr;

// The platform plugin that Qt looked for and did not find: its plugin loader's
// one warning names it in quotes.
QByteArray missingPlugin()
{
    for (const Held& message : std::as_const(held)) {
        const QStringList parts = message.message.split(u'"');
        if (message.type == QtWarningMsg && message.category == "qt.qpa.plugin" && parts.size() > 2)
            return parts[1].toLocal8Bit();
    }
    return {};
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category), message});
        return;
    }
    // Qt's own words ("no Qt platform plugin could be initialized") would
    // send the user looking for a broken installation.
    const QByteArray plugin = missingPlugin();
    QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        display = qgetenv("WAYLAND_DISPLAY");
    if (plugin.isEmpty())
        std::fprintf(stderr,
                     "tolvane: cannot open the display \"%s\"; start Tolvane from a graphical "
                     "session.\n",
                     display.constData());
    else
        std::fprintf(stderr,
                     "tolvane: cannot start: Qt's platform plugin \"%s\" is not installed%s.\n",
                     plugin.constData(),
                     plugin.startsWith("wayland") ? " (install the package qt6-wayland)" : "");
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QByteArray desktopPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                           const QByteArray& waylandDisplay)
{
    if (!qpaPlatform.isEmpty())
        return {};
    // Only an X client can have its window placed where the program puts it and
    // kept above other windows: Wayland leaves both to the compositor. Wayland
    // still serves when the X server cannot be reached.
    if (!display.isEmpty())
        return waylandDisplay.isEmpty() ? "xcb" : "xcb;wayland";
    if (!waylandDisplay.isEmpty())
        return "wayland";
    return {};
}

DisplayOpening::DisplayOpening(int argc, char* argv[]) : argv_(argv, argv + argc)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // An argument rather than QT_QPA_PLATFORM in the environment, which the
    // browser a link opens would inherit.
    platform_ =
        desktopPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    if (!platform_.isEmpty() && !argv_.empty())
        argv_.insert(argv_.begin() + 1, {option_.data(), platform_.data()});
#endif
    argc_ = int(argv_.size());
    argv_.push_back(nullptr);
    previous = qInstallMessageHandler(&hold);
}

void DisplayOpening::finish()
{
    if (finished_)
        return;
    finished_ = true;
    qInstallMessageHandler(previous);
    for (const Held& message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.message);
    }
    held.clear();
}
