#include "QtMessageBoxes.h"

#include "Form.h"

#include <QApplication>
#include <QMessageBox>

namespace forms
{

namespace
{

// The window whose event handler shows the box: the active one, as boxes follow
// a key or a click. A window that opened without taking the focus (the
// refer-a-friend window) may raise one while none is active; it is taken when
// it stays on top, as a box left below it would block the program unseen.
QWidget* windowRaisingBox()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form*>(window) && window->isVisible() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
    }
    return nullptr;
}

} // namespace

platform::MessageBoxes::Answer QtMessageBoxes::show(const QString& text, Icon icon, Buttons buttons,
                                                    const QString& title)
{
    // A box belongs to the window that raised it: it is centred on that window
    // and stacked above it, above a window that stays on top too, or a window
    // manager may hide it under that window. Without one it is centred on the
    // screen and stays on top itself: a window of another program, or of the
    // copy already running, may stay on top and would otherwise cover it.
    QWidget* owner = windowRaisingBox();
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, text, QMessageBox::NoButton, owner);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    // After the buttons, which set the box's window flags anew.
    if (!owner || owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace forms
