#include "HasDisplay.h"

#include <QByteArray>
#include <QList>
#include <QString>

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

void hold(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category), message});
        return;
    }
    // Qt's own words ("no Qt platform plugin could be initialized") would
    // send the user looking for a broken installation.
    QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        display = qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "tolvane: cannot open the display \"%s\"; start Tolvane from a graphical "
                 "session.\n",
                 display.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

DisplayOpening::DisplayOpening()
{
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
