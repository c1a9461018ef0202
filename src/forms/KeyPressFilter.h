#pragma once
// Passes every character typed into a box through a handler as a 16-bit key
// code, before the box sees it. The handler may leave the code as it is (the
// key is typed normally), change it (the new character is typed instead) or
// set it to 0 (nothing is typed). Typed means what a keyboard types on Windows:
// printable characters, the control codes of Ctrl+letter (Ctrl+V is 22),
// Backspace (8, with Shift too), Enter (13, with Shift too), Ctrl+Backspace
// (127), Ctrl+Enter (10), and what an input method commits (dead keys,
// compose). Backspace and Enter type their codes on X11, Wayland and Windows
// alike, whatever text each platform gives them. Keys that only edit or move
// (Delete with any modifiers, Insert, Home, End, arrows, keypad keys without
// text), Backspace and Enter with Ctrl+Shift or Ctrl+Alt, Alt and Meta
// combinations, Tab and Esc are no typed characters; neither is text that is
// pasted or dropped.
//
// A key whose code the handler leaves as it is goes on to the box, which does
// what it does for that key: it inserts a printable character, and it runs its
// own command for a control code (Ctrl+V pastes, Ctrl+Backspace deletes the
// word before the cursor, Enter presses the default button). A key that types
// nothing goes on to the box without the handler.

#include <QObject>

#include <cstdint>
#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QWidget;

namespace forms
{

class KeyPressFilter : public QObject
{
public:
    using Handler = std::function<void(std::int16_t& KeyAscii)>;

    // Installs itself on `box` and lives as long as the box.
    KeyPressFilter(QWidget* box, Handler handler);

    // The code a typed text gives: its one character's code when that fits in
    // 16 bits, else 63 ("?"); 0 when the key types nothing.
    static std::int16_t keyCode(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The code a key that is no command types, or 0 when it types nothing.
    static std::int16_t typedCode(const QKeyEvent& key);
    // Backspace or Enter: `plain` alone or with Shift, `withCtrl` with Ctrl
    // alone, else 0.
    static std::int16_t editKeyCode(const QKeyEvent& key, std::int16_t plain,
                                    std::int16_t withCtrl);
    static bool isCommand(const QKeyEvent& key);
    // Runs the handler on `typed`; false when the filter went away meanwhile.
    bool handle(std::int16_t& typed);
    // True when it has dealt with the key itself.
    bool filterKey(QKeyEvent* key);
    // False when the filter went away while the handler ran.
    bool filterCommit(QInputMethodEvent* commit);

    QWidget* box_;
    Handler handler_;
    bool retyping_ = false;
};

// Convenience: `new KeyPressFilter(box, handler)`.
KeyPressFilter* onKeyPress(QWidget* box, KeyPressFilter::Handler handler);

} // namespace forms
