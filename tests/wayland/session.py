"""Tolvane in a Wayland session, under a private headless weston started and
stopped here.

xwayland: weston with XWayland; the program sees DISPLAY, WAYLAND_DISPLAY and
XDG_SESSION_TYPE=wayland, in which Qt left to itself takes Wayland. It must run
as an X client: its main window is an X window of its process on XWayland's
display, asking to be centred on the screen. Closing it (WM_DELETE_WINDOW)
brings the refer-a-friend window, which asks to stay above other windows
(_NET_WM_STATE_ABOVE); closing that ends the program with status 0.

wayland: weston alone; the program sees only WAYLAND_DISPLAY and
XDG_SESSION_TYPE=wayland. Its main window must be a Wayland top-level window
of its own process in weston's scene graph.

Usage: python3 session.py xwayland|wayland TOLVANE_LOGGED WORKFOLDER"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TITLE = "Tolvane v1.0"  # every window's caption
APP_ID = "com.sorrelwick.tolvane"
WAIT = 10  # seconds for anything to happen
X_SOCKETS = "/tmp/.X11-unix"


def stop_with_driver():
    """Runs in each child: it gets SIGTERM when this driver ends, however it
    ends (ctest's timeout kills it)."""
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def start(command, env, log):
    return subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log,
                            stderr=subprocess.STDOUT, preexec_fn=stop_with_driver)


def stop(process):
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(5)


def run(env, *command):
    return subprocess.run(command, env=env, capture_output=True, text=True, timeout=5).stdout


def wait_for(condition, what, program=None):
    end = time.monotonic() + WAIT
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        if program and program.poll() is not None:
            raise AssertionError(f"the program ended with {program.returncode} before {what}")
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def read(path):
    with open(path, errors="replace") as f:
        return f.read()


# X windows of the program, read with x11-utils.

def x_windows(env, pid):
    """The program's viewable X windows titled TITLE, by id."""
    tree = run(env, "xwininfo", "-root", "-tree")
    pattern = rf'^\s*(0x[0-9a-f]+) "{re.escape(TITLE)}": \("[^"]*" "{re.escape(APP_ID)}"\)'
    return [int(w, 16) for w in re.findall(pattern, tree, re.M)
            if "Map State: IsViewable" in run(env, "xwininfo", "-id", w)
            and run(env, "xprop", "-id", w, "_NET_WM_PID").split()[-1:] == [str(pid)]]


def numbers(text, pattern):
    match = re.search(pattern, text)
    assert match, f"no {pattern} in {text}"
    return [int(n) for n in match.groups()]


def close_x_window(display, window):
    """Sends WM_DELETE_WINDOW, as a window manager's close box does."""
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class XEvent(ctypes.Union):
        _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]

    connection = x.XOpenDisplay(display.encode())
    assert connection, f"cannot open {display}"
    event = XEvent()
    event.message.type = 33  # ClientMessage
    event.message.window = window
    event.message.message_type = x.XInternAtom(connection, b"WM_PROTOCOLS", 0)
    event.message.format = 32
    event.message.data[0] = x.XInternAtom(connection, b"WM_DELETE_WINDOW", 0)
    assert x.XSendEvent(connection, window, 0, 0, ctypes.byref(event))
    x.XCloseDisplay(connection)  # flushes


def asks_above(env, weston_log, window):
    """Whether the last _NET_WM_STATE request for `window` about staying above
    adds that state, from the requests weston's window manager logged. The
    property cannot tell: weston keeps in it only the states it implements
    (fullscreen, maximized), rewriting it when it maps the window."""
    above = run(env, "xlsatoms", "-name", "_NET_WM_STATE_ABOVE").split()[0]
    pattern = rf"XCB_CLIENT_MESSAGE \(_NET_WM_STATE (\d) (\d+) (\d+) \d+ \d+ win {window}\)"
    actions = [action for action, *atoms in re.findall(pattern, read(weston_log))
               if above in atoms]
    return actions[-1:] == ["1"]  # _NET_WM_STATE_ADD


def check_xwayland(env, program, weston_log):
    display = env["DISPLAY"]
    [main] = wait_for(lambda: x_windows(env, program.pid), "the main window as an X window",
                      program)
    # Asked to be centred: its client area, where it asked to be put, centred
    # on the screen (weston puts the frame's corner there).
    x, y, width, height = numbers(run(env, "xprop", "-id", str(main), "WM_NORMAL_HINTS"),
                                  r"user specified location: (\d+), (\d+)\s+"
                                  r"user specified size: (\d+) by (\d+)")
    screen_width, screen_height = numbers(run(env, "xwininfo", "-root"),
                                          r"Width: (\d+)\s+Height: (\d+)")
    assert abs(2 * x + width - screen_width) <= 1 and abs(2 * y + height - screen_height) <= 1, \
        f"main window asked for {width}x{height}+{x}+{y} on a {screen_width}x{screen_height} screen"
    assert not asks_above(env, weston_log, main), "the main window asks to stay above"

    close_x_window(display, main)
    [refer] = wait_for(lambda: [w for w in x_windows(env, program.pid) if w != main],
                       "the refer-a-friend window", program)
    wait_for(lambda: main not in x_windows(env, program.pid), "the main window to go", program)
    assert asks_above(env, weston_log, refer), \
        "the refer-a-friend window does not ask to stay above"

    close_x_window(display, refer)
    assert program.wait(WAIT) == 0, f"the program ended with {program.returncode}"


def check_wayland(env, program):
    # The views of the program's own Wayland surfaces; an XWayland window's
    # view would belong to Xwayland's process and have no xdg_toplevel role.
    pattern = (rf"role xdg_toplevel, PID {program.pid}, surface ID \d+, "
               rf"top-level window '{re.escape(TITLE)}' of {re.escape(APP_ID)}")
    wait_for(lambda: re.search(pattern, run(env, "weston-debug", "scene-graph")),
             "the main window in weston's scene graph", program)


def main(mode, tolvane, work):
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    runtime = tempfile.mkdtemp(prefix="tolvane-wayland-")  # private (0700)
    socket = "tolvane-" + mode
    weston_log = os.path.join(work, "weston.log")
    base = {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                         "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP")}
    base.update(XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(work, "config"))
    if mode == "xwayland" and not os.path.isdir(X_SOCKETS):
        # Made at boot on a desktop; weston puts XWayland's socket there.
        os.mkdir(X_SOCKETS)
        os.chmod(X_SOCKETS, 0o1777)
    weston = program = None
    try:
        with open(weston_log, "w") as log:
            weston = start(["weston", "--backend=headless-backend.so", "--use-pixman",
                            "--width=1024", "--height=768", "--no-config", "--debug",
                            f"--socket={socket}", "--logger-scopes=log,xwm-wm-x11"]
                           + (["--xwayland"] if mode == "xwayland" else []), base, log)
        env = dict(base, WAYLAND_DISPLAY=socket, XDG_SESSION_TYPE="wayland")
        wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), "weston's socket", weston)
        if mode == "xwayland":
            [number] = wait_for(lambda: re.findall(r"xserver listening on display (:\d+)",
                                                   read(weston_log)), "XWayland", weston)
            env.update(DISPLAY=number)
        with open(os.path.join(work, "tolvane.log"), "w") as log:
            program = start([tolvane], env, log)
        if mode == "xwayland":
            check_xwayland(env, program, weston_log)
        else:
            check_wayland(env, program)
    except BaseException:
        stop(program)
        for name in ("tolvane.log", "weston.log"):
            path = os.path.join(work, name)
            if os.path.exists(path):
                print(f"--- {name}, last lines:\n{read(path)[-3000:]}")
        raise
    finally:
        stop(program)
        stop(weston)
        shutil.rmtree(runtime, ignore_errors=True)

if __name__ == "__main__":
    # Nothing here may hang: past this the driver fails, and its children end.
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("session.py: out of time"))
    signal.alarm(45)
    main(*sys.argv[1:])
