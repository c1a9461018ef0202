#include "KeyPressFilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
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
    const QList<uint> characters = text.toUcs4();
    if (characters.isEmpty())
        return 0;
    if (characters.size() == 1 && characters.front() <= 0x7FFF)
        return std::int16_t(characters.front());
    // A character that has no 16-bit code of its own (say, one outside the
    // basic plane) reads as "?", as the old code pages showed it.
    return 63;
}

std::int16_t KeyPressFilter::editKeyCode(const QKeyEvent& key, std::int16_t plain,
                                         std::int16_t withCtrl)
{
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    if ((held & ~Qt::ShiftModifier) == Qt::NoModifier)
        return plain;
    return held == Qt::ControlModifier ? withCtrl : 0;
}

std::int16_t KeyPressFilter::typedCode(const QKeyEvent& key)
{
    switch (key.key()) {
    // Tab and Shift+Tab move the focus, Esc belongs to the window's cancel
    // button, and Delete (0x7F on X11, with any modifiers) edits: none of them
    // types.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return 0;
    // Backspace and Enter type by the key, whatever text the platform gives
    // them: X11 and Wayland give Ctrl+Backspace "\b" and Ctrl+Enter "\r",
    // Windows "\x7f" and "\n".
    case Qt::Key_Backspace:
        return editKeyCode(key, 8, 127);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return editKeyCode(key, 13, 10);
    default:
        break;
    }
    const std::int16_t code = keyCode(key.text());
    // With Ctrl alone (or Ctrl+Shift) a key types only the control code of its
    // letter. Any other Ctrl combination may type its text, as the box does for
    // Ctrl on the keypad; Ctrl+Alt is AltGr on some keyboards.
    const Qt::KeyboardModifiers held = key.modifiers();
    const bool ctrlAlone =
        held == Qt::ControlModifier || held == (Qt::ControlModifier | Qt::ShiftModifier);
    // Format characters (ZWNJ, the direction marks) are typed with Ctrl+Shift on
    // some keyboards, and the box takes them whatever the modifiers. Like the
    // box, judge the text's first unit, not the code: one past 0x7FFF reads "?".
    const bool format =
        !key.text().isEmpty() && key.text().front().category() == QChar::Other_Format;
    if (ctrlAlone && code >= 32 && !format)
        return 0;
    // 0x7F is what X11 gives Ctrl+8, which types nothing on Windows.
    return code == 0x7F ? 0 : code;
}

bool KeyPressFilter::isCommand(const QKeyEvent& key)
{
    // Alt without Ctrl, and Meta, give access letters and shortcuts.
    const Qt::KeyboardModifiers held = key.modifiers();
    return held.testFlag(Qt::MetaModifier) ||
           (held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier));
}

bool KeyPressFilter::handle(std::int16_t& typed)
{
    const QPointer<QObject> alive(this);
    handler_(typed); // may show a message box and run its event loop
    return !alive.isNull();
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || retyping_ || !handler_)
        return false;
    if (event->type() == QEvent::InputMethod)
        return !filterCommit(static_cast<QInputMethodEvent*>(event));
    return event->type() == QEvent::KeyPress && filterKey(static_cast<QKeyEvent*>(event));
}

bool KeyPressFilter::filterKey(QKeyEvent* key)
{
    // A command that no menu or shortcut took types nothing either.
    if (isCommand(*key))
        return keyCode(key->text()) >= 32;
    const std::int16_t typed = typedCode(*key);
    if (typed == 0)
        return false;
    std::int16_t code = typed;
    if (!handle(code))
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

bool KeyPressFilter::filterCommit(QInputMethodEvent* commit)
{
    // An input method types its committed characters one by one.
    QString typed;
    for (const char32_t character : commit->commitString().toUcs4()) {
        const QString text = QString::fromUcs4(&character, 1);
        const std::int16_t pressed = keyCode(text);
        std::int16_t code = pressed;
        if (!handle(code))
            return false;
        if (code == pressed)
            typed += text;
        else if (code != 0)
            typed += QChar(char16_t(code));
    }
    if (typed != commit->commitString())
        commit->setCommitString(typed, commit->replacementStart(), commit->replacementLength());
    return true;
}

KeyPressFilter* onKeyPress(QWidget* box, KeyPressFilter::Handler handler)
{
    return new KeyPressFilter(box, std::move(handler));
}

} // namespace forms
