#pragma once

// Whether a window can be shown at all: on X11/Wayland desktops this needs a
// display named in DISPLAY or WAYLAND_DISPLAY (an empty name names none); an
// explicit QT_QPA_PLATFORM (offscreen, for instance) is trusted.
bool hasDisplay();

// Lives while the application object is made. When the toolkit cannot open
// the display (DISPLAY names no server), the program says so on one line of
// stderr and exits with status 1, where the toolkit would abort. The toolkit's
// own messages of that stage are held back and passed on by finish().
class DisplayOpening
{
public:
    DisplayOpening();
    ~DisplayOpening() { finish(); }
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;

    // The display is open: messages go their usual way again.
    void finish();

private:
    bool finished_ = false;
};
