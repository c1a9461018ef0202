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
    // Delete arrives as 0x7F and Backspace as 0x08 on X11: they edit, they do not type.
    const QList<uint> characters = text.toUcs4();
    if (characters.isEmpty() || !QChar::isPrint(characters.front()))
        return 0;
    if (characters.size() == 1 && characters.front() <= 0x7FFF)
        return std::int16_t(characters.front());
    // A character that has no 16-bit code of its own (say, one outside the
    // basic plane) reads as "?", as the old code pages showed it.
    return 63;
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || event->type() != QEvent::KeyPress || retyping_ || !handler_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Keys held with Ctrl, Alt or Meta are commands (copy, paste, undo,
    // access letters); AltGr characters they may type meet the insertion rule.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
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
