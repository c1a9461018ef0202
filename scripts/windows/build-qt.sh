#!/bin/sh
# Cross-builds Debian's own Qt (the qt6-base source package, the same version as
# the host Qt) for 64-bit Windows as static libraries, once: the result is kept
# in ~/.cache/tolvane/ under a name made of the Qt version and a hash of the
# configure options, the toolchain file and the patches, so a changed option
# builds anew.
#   sh scripts/windows/build-qt.sh           builds if needed, prints the prefix
#   sh scripts/windows/build-qt.sh --prefix  prints the prefix, builds nothing
#   sh scripts/windows/build-qt.sh --cached  succeeds only if it is built
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cache=${TOLVANE_CACHE:-$HOME/.cache/tolvane}

# Only what Tolvane and its tests use: Core, Gui, Widgets and Test with the
# windows platform plugin and the Windows styles, and Qt's own copies of zlib,
# PCRE2, libpng and HarfBuzz, so the program needs no DLL but Windows' own.
# Debian's tarball lacks the Wintab headers (tablet events); the platform
# plugin's dynamic OpenGL goes only with INPUT_opengl=no; DirectWrite 3 needs
# Direct2D.
options="-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
-DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
-DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
-DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
-DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF -DFEATURE_zstd=OFF
-DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
-DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF
-DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_pdf=OFF
-DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
-DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
-DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
-DFEATURE_textodfwriter=OFF -DFEATURE_sessionmanager=OFF
-DFEATURE_sharedmemory=OFF -DFEATURE_systemsemaphore=OFF"

version=$(dpkg-query -W -f '${source:Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$version" ]; then
    sh "$root/scripts/install-deps.sh" >&2
    version=$(dpkg-query -W -f '${source:Version}' qt6-base-dev)
fi
# The options above are proven with Debian 12's Qt 6.4 and its MinGW-w64 only.
case $version in
6.4.*) ;;
*)
    . /etc/os-release
    echo "The Windows build is made on Debian 12 (bookworm) with its Qt 6.4; this is $PRETTY_NAME with Qt ${version%%+*}." >&2
    exit 1
    ;;
esac
key=$( (echo "$options"; cat "$toolchain" "$here"/qt-patches/*.patch 2>/dev/null) |
    sha256sum | cut -c1-12)
dir=$cache/qt-${version%%+*}-mingw-$key
prefix=$dir/prefix
case ${1:-} in
--prefix) echo "$prefix"; exit 0 ;;
--cached) [ -f "$prefix/.complete" ]; exit ;;
esac
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi
# One build at a time: a second one would delete the first one's folder.
mkdir -p "$cache"
exec 9>"$cache/qt-build.lock"
flock 9
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

sh "$root/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 qt6-base-dev-tools ninja-build dpkg-dev patch >&2

# The source package, unpacked once with Debian's patches applied. apt-get
# source needs the deb-src lines, which a fresh Debian does not enable.
src=$cache/src/qtbase-$version
if [ ! -f "$src/.unpacked" ]; then
    if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
        echo "Enabling Debian's source packages for apt-get source" >&2
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee /etc/apt/sources.list.d/tolvane-deb-src.sources >/dev/null
        $sudo apt-get update -qq >&2
    fi
    rm -rf "$src" "$src.tmp" && mkdir -p "$src.tmp"
    (cd "$src.tmp" && apt-get source -qq "qt6-base=$version" >&2)
    mv "$src.tmp"/qt6-base-*/ "$src" && rm -rf "$src.tmp"
    touch "$src/.unpacked"
fi

build=$dir/build
rm -rf "$build" "$prefix"
mkdir -p "$build"
patched=$build/source
cp -a "$src" "$patched"
for p in "$here"/qt-patches/*.patch; do
    [ -f "$p" ] && patch -d "$patched" -p1 -s <"$p"
done

launcher=""
if command -v ccache >/dev/null; then
    launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR=$build
fi
# shellcheck disable=SC2086 # the options are words
cmake -G Ninja -S "$patched" -B "$build/out" $options $launcher \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
nice -n 10 cmake --build "$build/out" --parallel "$(nproc)" >&2
cmake --install "$build/out" >&2
rm -rf "$build"
touch "$prefix/.complete"
echo "$prefix"
