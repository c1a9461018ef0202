#!/bin/sh
# make check-fresh: the README's commands on fresh Debian 12 and Debian 13
# machines. For each release a minimal root (debootstrap minbase with git, make,
# sudo and ca-certificates) is unpacked afresh; a new user with sudo clones the
# committed tree into it and runs `make check` and `make package` there, then
# lintian checks the package. One line per release sums it up.
# The bare roots are kept as archives in ~/.cache/tolvane/, so only the first
# run downloads them; everything else is fetched anew, as a new machine would.
# Usage: sh scripts/check-fresh.sh [RELEASE...]   (default: bookworm trixie)
set -eu
cd "$(dirname "$0")/.."
repo=$PWD
cache=${TOLVANE_CACHE:-$HOME/.cache/tolvane}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ $# -gt 0 ] || set -- bookworm trixie

# Outside CI a machine that cannot make roots only says so.
cannot() {
    echo "check-fresh skipped: $1"
    [ -z "${CI:-}" ] || exit 1
    exit 0
}
[ "$(id -u)" -eq 0 ] || cannot "making and entering Debian roots needs root (debootstrap, chroot)"
if ! command -v debootstrap >/dev/null; then
    command -v apt-get >/dev/null && sh scripts/install-deps.sh debootstrap >/dev/null 2>&1 || true
    command -v debootstrap >/dev/null || cannot "debootstrap is not installed and could not be"
fi
command -v unshare >/dev/null || cannot "unshare (util-linux) is missing"

work=$(mktemp -d /var/tmp/tolvane-fresh.XXXXXX)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
mkdir -p "$cache"
# The committed tree, as a clone would have it.
git clone -q --no-hardlinks "$repo" "$work/tolvane"

# The bare root of a release, made once.
bare_root() {
    archive=$cache/debian-$1-minbase.tar.gz
    if [ ! -f "$archive" ]; then
        echo "Making a minimal Debian $1 root (kept as $archive)" >&2
        debootstrap --variant=minbase --include=git,make,sudo,ca-certificates \
            "$1" "$work/bare-$1" "$mirror" >"$work/debootstrap-$1.log" 2>&1 ||
            { tail -20 "$work/debootstrap-$1.log" >&2; return 1; }
        rm -f "$work/bare-$1"/var/cache/apt/archives/*.deb
        tar -C "$work/bare-$1" -czf "$archive.tmp" . && mv "$archive.tmp" "$archive"
        rm -rf "$work/bare-$1"
    fi
    echo "$archive"
}

# Runs a command inside the root, as root (runuser makes it the user's); every
# mount lives in a mount namespace of its own and goes when the command ends.
in_root() {
    root=$1
    shift
    unshare --mount --propagation private sh -eu -c '
        root=$1; shift
        mount -t proc proc "$root/proc"
        mount --rbind /sys "$root/sys"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
        mkdir -m 1777 "$root/tmp/.X11-unix" # as a booted Debian has it
        mount -t tmpfs -o mode=755 tmpfs "$root/run"
        mkdir -p "$root/run/user/1000" && chown 1000:1000 "$root/run/user/1000"
        chmod 700 "$root/run/user/1000"
        exec chroot "$root" "$@"' sh "$root" "$@"
}

fail=0
for release in "$@"; do
    start=$(date +%s)
    root=$work/$release
    log=$work/$release.log
    archive=$(bare_root "$release") || {
        echo "Debian $release: the root could not be made"
        fail=1
        continue
    }
    mkdir -p "$root"
    tar -C "$root" -xzf "$archive"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # A real installation has the updates and the security archive too.
    printf 'deb %s %s main\ndeb %s %s-updates main\ndeb http://security.debian.org/debian-security %s-security main\n' \
        "$mirror" "$release" "$mirror" "$release" "$release" >"$root/etc/apt/sources.list"
    in_root "$root" useradd -m -u 1000 -s /bin/sh tester
    echo 'tester ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/tester"
    git clone -q "$work/tolvane" "$root/home/tester/tolvane"
    in_root "$root" chown -R tester:tester /home/tester/tolvane

    # Each command on its own, so that a failed test still leaves a package to check.
    status=0
    for command in "make check" "make package"; do
        in_root "$root" /usr/sbin/runuser -l tester -c \
            "export XDG_RUNTIME_DIR=/run/user/1000; cd tolvane && $command" >>"$log" 2>&1 ||
            status=$?
    done
    tests=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2 \1/p' "$log" |
        tail -1)
    total=${tests% *}
    failed=${tests#* }
    # Compiler warnings from our own sources, as the build printed them.
    warnings=$(grep -c -E '^/home/tester/tolvane/[^:]+:[0-9]+:[0-9]+: warning:' "$log" || true)
    deb=$(ls "$root"/home/tester/tolvane/build/tolvane_*.deb 2>/dev/null | head -1)
    lintian="no package"
    if [ -n "$deb" ]; then
        in_root "$root" sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
            --no-install-recommends lintian >/dev/null 2>&1' || true
        in_root "$root" runuser -u tester -- lintian "${deb#"$root"}" >"$work/$release.lintian" 2>&1 || true
        lintian="$(grep -c '^E:' "$work/$release.lintian" || true) lintian errors, $(grep -c '^W:' "$work/$release.lintian" || true) lintian warnings"
    fi
    minutes=$(awk "BEGIN { printf \"%.1f\", ($(date +%s) - $start) / 60 }")
    if [ -z "$tests" ]; then
        summary="no test result"
    else
        summary="$((total - failed)) tests passed, $failed failed"
    fi
    echo "Debian $release ($(cat "$root/etc/debian_version")): $summary, $warnings warnings, $lintian, $minutes min"
    if [ "$status" -ne 0 ] || [ -z "$tests" ] || [ "$failed" -ne 0 ] || [ "$warnings" -ne 0 ] ||
        [ "$lintian" != "0 lintian errors, 0 lintian warnings" ]; then
        fail=1
        mkdir -p "$repo/build-fresh"
        cp "$log" "$repo/build-fresh/$release.log"
        [ ! -f "$work/$release.lintian" ] || cp "$work/$release.lintian" "$repo/build-fresh/"
        echo "  the whole output: build-fresh/$release.log"
    fi
    rm -rf "$root"
done
exit $fail
