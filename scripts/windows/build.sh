#!/bin/sh
# Cross-builds Tolvane for 64-bit Windows in a build folder of its own, against
# the static Qt that build-qt.sh keeps in ~/.cache/tolvane/.
# Usage: sh scripts/windows/build.sh BUILD [TARGET...]
set -eu
cd "$(dirname "$0")/../.."
build=$1
shift
# Stops at once where the static Qt cannot be made (another Debian release).
sh scripts/windows/build-qt.sh --prefix >/dev/null
sh scripts/install-deps.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build \
    icoutils nsis
qt=$(sh scripts/windows/build-qt.sh)
# Wine runs the test programs (make check-wine).
cmake -G Ninja -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tests/wine/run.sh" >/dev/null
[ $# -gt 0 ] || set -- all
nice -n 10 cmake --build "$build" --target "$@"
