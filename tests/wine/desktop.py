"""Drives Windows programs under Wine from outside, as a user would: X window
titles through xdotool, keys through the X server, message texts through the
clipboard (a Qt message box on Windows copies its text on Ctrl+C), the
registry through Wine's reg.exe. make check-wine provides DISPLAY and
WINEPREFIX."""

import os
import subprocess
import time

WINE = os.environ.get("WINE", "/usr/lib/wine/wine64")
WAIT = 60  # seconds for anything to appear: Wine's first start of a program is slow


def run(*command, check=True):
    return subprocess.run(command, capture_output=True, text=True, check=check,
                          timeout=WAIT).stdout


def start(*command):
    return subprocess.Popen([WINE, *command], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def wait_for(condition, what, seconds=WAIT):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.2)
    raise AssertionError(f"timed out waiting for {what}")


def windows(title):
    """The visible windows whose title is exactly `title`."""
    pattern = "^" + title.replace(".", r"\.") + "$"
    out = run("xdotool", "search", "--onlyvisible", "--name", pattern, check=False)
    return [int(w) for w in out.split()]


def active_window():
    out = run("xdotool", "getactivewindow", check=False).strip()
    return int(out) if out else None


def wait_active(title, other_than=None, seconds=WAIT):
    """Waits until a window titled `title`, other than the window `other_than`,
    is shown and has the focus; gives its id."""
    def found():
        window = active_window()
        return window if window != other_than and window in windows(title) else None
    return wait_for(found, f'the window "{title}"', seconds)


def activate(window):
    run("xdotool", "windowactivate", "--sync", str(window))


def keys(*names):
    for name in names:
        run("xdotool", "key", "--clearmodifiers", name)
        time.sleep(0.15)


def type_text(text):
    run("xdotool", "type", "--delay", "60", text)
    time.sleep(0.3)


def copied_text(*copy_keys):
    """What the focused window puts on the clipboard on `copy_keys`."""
    subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"], check=True)
    keys(*copy_keys)
    return wait_for(lambda: run("xclip", "-selection", "clipboard", "-o", check=False),
                    "text on the clipboard", 10)


def screenshot(window, path):
    run("import", "-window", str(window), path)
    return path


def white_words_in(path):
    """The white text in an image, enlarged and set black on white for tesseract."""
    clean = path + ".ocr.png"
    run("convert", path, "-resize", "400%", "-colorspace", "Gray", "-threshold", "90%",
        "-negate", clean)
    return run("tesseract", clean, "-", "--psm", "11").split()
