// The name box of the main window under arbitrary key presses, with arbitrary
// key codes, modifiers and texts, and pasted text: nothing crashes, a key or
// a paste brings at most the one message for refused characters, and unless
// something was pasted (which goes in as it is) the box holds only capitals
// and blanks.

#include "FakeServices.h"
#include "FuzzInput.h"
#include "Program.h"
#include "SetUpProgram.h"
#include "frmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include <memory>

namespace
{

struct MainWindow {
    platform::fake::FakeServices fakes;
    Program program{fakes.services};
    MainWindow() { SetUpProgram(program); }
};

QApplication* application;

bool typedOnly(const QString& text)
{
    for (const QChar c : text) {
        if (!(c >= u'A' && c <= u'Z') && c != u' ')
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // A new program for every input: one input's keys may end the last one
    // (Enter and Esc press Exit) or leave a window open.
    auto window = std::make_unique<MainWindow>();
    QLineEdit* box = window->program.frmMain.as<frmMain>().txtName;
    QGuiApplication::clipboard()->clear();

    bool pasted = false;
    for (int step = 0; step < 32 && input.remaining_bytes() > 0; ++step) {
        const int messagesBefore = int(window->fakes.messages.shown.size());
        if (input.ConsumeIntegralInRange(0, 7) == 0) {
            QGuiApplication::clipboard()->setText(takeText(input, 8));
            QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::sendEvent(box, &paste);
            pasted = true;
        } else {
            const auto key = input.ConsumeIntegral<int>();
            const auto modifiers =
                Qt::KeyboardModifiers(input.ConsumeIntegral<int>()) & Qt::KeyboardModifierMask;
            // A key press types one character (an input method commits more).
            QString text = takeText(input, 1);
            // These keys always bring their own control character; the box
            // filter leaves them to their commands.
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                text = QStringLiteral("\t");
            else if (key == Qt::Key_Escape)
                text = QStringLiteral("\x1b");
            else if (key == Qt::Key_Delete)
                text = QStringLiteral("\x7f");
            QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
            QCoreApplication::sendEvent(box, &press);
        }
        // At most one message a step, and only the one for refused characters.
        const int shown = int(window->fakes.messages.shown.size()) - messagesBefore;
        FUZZ_CHECK(shown == 0 || (shown == 1 && window->fakes.messages.shown.last().text ==
                                                    QStringLiteral("Please Enter only Letters")));
    }
    if (!pasted)
        FUZZ_CHECK(typedOnly(box->text()));
    // Unloaded windows are deleted later, from the event loop; there is none
    // here, so that happens now.
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
