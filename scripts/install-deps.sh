#!/bin/sh
# Installs the Debian packages that building and testing Tolvane needs, but only
# those that are missing, so a prepared machine is not touched.
set -eu
# librsvg2-bin renders the icon; desktop-file-utils and appstream validate the
# desktop files; dpkg-dev and file let CPack find the package's dependencies.
# The Wayland session tests run weston with XWayland, look at its X windows
# with x11-utils, need qt6-wayland for the native case and python3 to drive them.
packages="build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
librsvg2-bin desktop-file-utils appstream dpkg-dev file
weston xwayland x11-utils qt6-wayland python3"
# Extra packages for one target may be named on the command line.
packages="$packages $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
# sudo drops the caller's environment, so the front end is set on its far side.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
