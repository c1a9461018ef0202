#pragma once

#include <QByteArray>

#include <vector>

// Whether a window can be shown at all: on X11/Wayland desktops this needs a
// display named in DISPLAY or WAYLAND_DISPLAY (an empty name names none); a
// platform named in QT_QPA_PLATFORM (offscreen, for instance) is trusted.
bool hasDisplay();

// The Qt platform plugins to try, in order, for the given QT_QPA_PLATFORM,
// DISPLAY and WAYLAND_DISPLAY: X ("xcb") wherever an X display is named, which
// in a Wayland session is XWayland, with Wayland behind it; Wayland where it is
// the only display. Empty where the user named a platform or no display is
// named: Qt's own choice then stands.
QByteArray desktopPlatform(const QByteArray& qpaPlatform, const QByteArray& display,
                           const QByteArray& waylandDisplay);

// Lives while the application object is made, from the command line it holds:
// the program's own, with "-platform" and the desktopPlatform() of the
// environment put right after the program's name on X11/Wayland desktops, so
// that a -platform the user gave comes later and wins. When no platform can
// start (DISPLAY names no server, a plugin is missing), the program says so on
// one line of stderr and exits with status 1, where the toolkit would abort.
// The toolkit's own messages of that stage are held back and passed on by
// finish().
class DisplayOpening
{
public:
    DisplayOpening(int argc, char* argv[]);
    ~DisplayOpening() { finish(); }
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;

    // For QApplication, which keeps both for its whole life.
    int& argc() { return argc_; }
    char** argv() { return argv_.data(); }

    // The display is open: messages go their usual way again.
    void finish();

private:
    bool finished_ = false;
    QByteArray option_{"-platform"}, platform_;
    std::vector<char*> argv_;
    int argc_ = 0;
};
