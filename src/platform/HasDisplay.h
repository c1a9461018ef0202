#pragma once

// Whether a window can be shown at all: on X11/Wayland desktops this needs a
// display; an explicit QT_QPA_PLATFORM (offscreen, for instance) is trusted.
bool hasDisplay();
