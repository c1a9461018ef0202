#!/bin/sh
# Checks the Windows build from Linux. Every source under src/ is compiled for
# Windows (x86-64, UNICODE) against the installed Qt 6 headers, failing on any
# error or warning in our code; then the Qt-free Win32 pieces under
# src/platform/win/ are linked into a test program that runs under Wine.
# Usage: sh scripts/check-windows.sh [configured build folder]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
out=$build/windows
mkdir -p "$out"
sh scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64
cxx=x86_64-w64-mingw32-g++-posix
jobs=$(nproc 2>/dev/null || echo 2)

# Each source gets the defines and include folders of the Linux build, Qt's
# headers among the system ones, so that -Werror holds our code only.
cmake -DCOMMANDS="$build/compile_commands.json" -DSOURCE="$PWD" -DOUT="$out/flags" \
    -P scripts/windows-flags.cmake
echo "Compiling every source under src/ for Windows"
find "$out/flags" -name '*.rsp' | sort |
    xargs -P "$jobs" -I{} $cxx -fsyntax-only -Wall -Wextra -Werror -DUNICODE -D_UNICODE @{}

echo "Building and running the Win32 checks under Wine"
$cxx -std=c++20 -O1 -Wall -Wextra -Werror -municode -static -Isrc/platform \
    tests/platform/win/win32_checks.cpp src/platform/win/*.cpp -ladvapi32 -lshell32 \
    -o "$out/win32_checks.exe"
# Debian's wine64 keeps its loader here, off the PATH. No display: Wine runs
# console programs without one; Mono and Gecko are not wanted.
wine=/usr/lib/wine/wine64
export WINEPREFIX="$out/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout 600 "$wine" wineboot -i >"$out/wineboot.log" 2>&1 || { cat "$out/wineboot.log"; exit 1; }
fi
timeout 120 "$wine" "$out/win32_checks.exe"
