#include "KeyPressFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace forms
{

KeyPressFilter::KeyPressFilter(QWidget* box, Handler handler)
    : QObject(box), box_(box), handler_(std::move(handler))
{
    box->installEventFilter(this);
}

std::int16_t KeyPressFilter::keyCode(const QString& text)
{
    if (text.isEmpty())
        return 0;
    if (text.size() == 1 && text.front().unicode() <= 0x7FFF)
        return std::int16_t(text.front().unicode());
    // A character that has no 16-bit code of its own (say, one outside the
    // basic plane) reads as "?", as the old code pages showed it.
    return 63;
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || event->type() != QEvent::KeyPress || retyping_ || !handler_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab and Shift+Tab move the focus and Esc belongs to the window's cancel
    // button; none of them is a typed character.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Escape)
        return false;
    // Ctrl combinations (copy, paste, select all ...) are editing commands, not
    // characters. Ctrl+Alt is AltGr on some keyboards and does type characters.
    const Qt::KeyboardModifiers held =
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((held & (Qt::ControlModifier | Qt::MetaModifier)) && !(held & Qt::AltModifier))
        return false;
    const std::int16_t typed = keyCode(key->text());
    if (typed == 0)
        return false;

    std::int16_t code = typed;
    const QPointer<QObject> alive(this);
    handler_(code); // may show a message box and run its event loop
    if (!alive)
        return true;
    if (code == typed)
        return false;
    if (code == 0)
        return true;

    // Type the changed character in place of the one pressed.
    QKeyEvent changed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                      QString(QChar(char16_t(code))));
    retyping_ = true;
    QCoreApplication::sendEvent(box_, &changed);
    retyping_ = false;
    return true;
}

KeyPressFilter* onKeyPress(QWidget* box, KeyPressFilter::Handler handler)
{
    return new KeyPressFilter(box, std::move(handler));
}

} // namespace forms
