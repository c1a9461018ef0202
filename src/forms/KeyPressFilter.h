#pragma once
// Passes every character typed into a box through a handler as a 16-bit key
// code, before the box sees it. The handler may leave the code as it is (the
// key is typed normally), change it (the new character is typed instead) or
// set it to 0 (nothing is typed). Only printable characters typed without
// Ctrl, Alt or Meta reach it: editing and moving keys (Delete, Backspace,
// Home, keypad keys without text) and shortcuts do their normal job. Text that
// arrives otherwise is a matter for the box's insertion rule (TextBox).

#include <QObject>

#include <cstdint>
#include <functional>

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
    // 16 bits, else 63 ("?"); 0 when the key types nothing printable.
    static std::int16_t keyCode(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* box_;
    Handler handler_;
    bool retyping_ = false;
};

// Convenience: `new KeyPressFilter(box, handler)`.
KeyPressFilter* onKeyPress(QWidget* box, KeyPressFilter::Handler handler);

} // namespace forms
