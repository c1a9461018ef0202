#!/bin/sh
# make check-wine: builds the Windows program, its tests and its packages, then
# runs every test through CTest under Wine (wine64) on a private Xvfb display
# with openbox, in a Wine prefix inside the build folder: the Qt Test programs
# on Windows' own platform, and the program, the zip and the installer driven
# from outside (tests/wine/).
# Usage: sh scripts/windows/check-wine.sh [BUILD [CTEST OPTION...]]
set -eu
cd "$(dirname "$0")/../.."
build=${1:-build-windows}
[ $# -eq 0 ] || shift
case $build in /*) ;; *) build=$PWD/$build ;; esac
# Stops at once where the static Qt cannot be made (another Debian release).
sh scripts/windows/build-qt.sh --prefix >/dev/null
# tesseract reads the sign off the result window; xclip the message boxes' texts.
sh scripts/install-deps.sh wine64 xvfb xauth openbox xdotool xclip imagemagick \
    tesseract-ocr tesseract-ocr-eng python3
sh scripts/windows/build.sh "$build" all

run=$(mktemp -d)
xvfb="" openbox=""
export WINE=/usr/lib/wine/wine64 WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
# No Mono or Gecko: nothing here uses .NET or HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WAYLAND_DISPLAY
stop() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -z "$openbox" ] || kill "$openbox" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$run"
}
trap stop EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" 2>"$run/xvfb.log" &
xvfb=$!
i=0
until [ -s "$run/display" ]; do
    i=$((i + 1))
    [ $i -le 100 ] || { cat "$run/xvfb.log"; echo "Xvfb did not start"; exit 1; }
    sleep 0.1
done
export DISPLAY=":$(cat "$run/display")"
openbox >"$run/openbox.log" 2>&1 &
openbox=$!

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Setting up the Wine prefix $WINEPREFIX"
    timeout 600 "$WINE" wineboot -i >"$run/wineboot.log" 2>&1 || { cat "$run/wineboot.log"; exit 1; }
fi
/usr/lib/wine/wineserver -w
# One test at a time: they share the display, its focus and the clipboard.
ctest --test-dir "$build" --output-on-failure "$@"
