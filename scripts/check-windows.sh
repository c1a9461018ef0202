#!/bin/sh
# Checks the Windows build from Linux. Every source under src/ is compiled for
# Windows (x86-64, UNICODE) against the installed Qt 6 headers, failing on any
# error or warning in our code; then the Qt-free Win32 pieces under
# src/platform/win/ are linked into a test program that runs under Wine.
# Usage: sh scripts/check-windows.sh [build folder]
set -eu
cd "$(dirname "$0")/.."
out=${1:-build}/windows
case $out in /*) ;; *) out=$PWD/$out ;; esac
mkdir -p "$out"
sh scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64
cxx=x86_64-w64-mingw32-g++-posix
jobs=$(nproc 2>/dev/null || echo 2)

# Qt's headers as system headers, so that -Werror holds our code only. The
# defines mirror the top CMakeLists.txt; each folder is on the include path as
# its CMake target makes it.
qt=$(qtpaths6 --query QT_INSTALL_HEADERS)
flags="-std=c++20 -fsyntax-only -Wall -Wextra -Werror -DUNICODE -D_UNICODE
 -DQT_NO_CONTEXTLESS_CONNECT -DQT_NO_KEYWORDS -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB
 -isystem $qt -isystem $qt/QtCore -isystem $qt/QtGui -isystem $qt/QtWidgets
 $(find src -type d | sort | sed 's/^/-I/')"
echo "Compiling every source under src/ for Windows"
# shellcheck disable=SC2086 # the flags are split on purpose
find src -name '*.cpp' | sort | xargs -P "$jobs" -n 1 $cxx $flags

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
