#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Tries the Debian package on a clean Debian 12, as a new user would.
#
#   sudo tools/check/try-deb-in-chroot.sh build/package/velmarit_2.0.3_amd64.deb [root-dir]
#   sudo tools/check/try-deb-in-chroot.sh --build [root-dir]
#
# With --build it first runs ./scripts/package on a copy of this tree in a
# clean root of its own (which installs what the build needs) and tries the
# package made there. Then, in a fresh clean root: installs the package with
# its dependencies, starts the program the way the menu entry does (its Exec
# line) as an ordinary user under the host's Xvfb, moves it, closes it
# through the window manager, checks that the position was kept in the
# user's own file and that it reopens there; removes the package, purges
# it, and compares every file of the root with the list taken before the
# install (with its dependencies already in place).
#
# Each root is a fresh copy of a minimal debootstrap of bookworm kept in
# $VELMARIT_DEBIAN_BASE (default /var/tmp/velmarit-bookworm.base), made
# from the mirror the host's apt already uses (tools/check/debian-root.sh).
# Needs root, debootstrap, xvfb, openbox, xdotool, wmctrl and x11-utils on the host.
set -euo pipefail

build=0
if [ "${1:-}" = "--build" ]; then
    build=1
    shift
else
    [ $# -ge 1 ] || { echo "usage: $0 DEB [root-dir] | --build [root-dir]" >&2; exit 2; }
    deb=$(realpath "$1")
    shift
fi
root=${1:-/tmp/velmarit-debroot}
base=${VELMARIT_DEBIAN_BASE:-/var/tmp/velmarit-bookworm.base}
display=
user=tester
tree=$(cd "$(dirname "$0")/../.." && pwd)

ROOT_TOOL=try-deb
# shellcheck source=tools/check/debian-root.sh
source "$tree/tools/check/debian-root.sh"
fail() { root_fail "$@"; }
step() { root_say "$@"; }

debian_base "$base"

trap root_cleanup EXIT
fresh_root() { # a clean copy of the base, mounted as a booted system has it
    root_fresh "$base" "$1"
    root_mount "$1"
}

if [ "$build" = 1 ]; then
    broot=$root-build
    step "build: ./scripts/package in a clean root $broot"
    fresh_root "$broot"
    mkdir -p "$broot/root/velmarit"
    tar -C "$tree" --exclude=./build --exclude=./.git --exclude='./obj-*' -cf - . |
        tar -C "$broot/root/velmarit" -xf -
    chroot "$broot" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        bash -c 'cd /root/velmarit && ./scripts/package' >"$root-build.log" 2>&1 ||
        { tail -n 30 "$root-build.log"; fail "./scripts/package failed in the clean root (log $root-build.log)"; }
    sed -n '/^== lintian ==/,$p' "$root-build.log"
    deb=$(ls "$broot"/root/velmarit/build/package/velmarit_*.deb)
    mkdir -p "$tree/build/package"
    cp "$deb" "$tree/build/package/clean-root-$(basename "$deb")"
    deb=$tree/build/package/clean-root-$(basename "$deb")
    root_unmount "$broot"
    step "built $(basename "$deb") in the clean root"
fi

fresh_root "$root"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
as_user() {
    chroot --userspec="$user:$user" "$root" /usr/bin/env -i PATH=/usr/bin:/bin \
        HOME="/home/$user" DISPLAY="$display" "$@"
}
# Every file and folder of the system, less the user's home, what lives only
# while the system runs (/run, /tmp) and what apt keeps about its own work
# (logs, package lists, its caches).
file_list() {
    (cd "$root" && find . -xdev \( -path ./proc -o -path ./tmp -o -path ./run -o -path ./home \
        -o -path ./root -o -path ./var/log -o -path ./var/cache/apt -o -path ./var/lib/apt \) -prune \
        -o -print) | sed 's/^\.//' | sort
}

in_root useradd -m "$user"
in_root bash -c "export DEBIAN_FRONTEND=noninteractive; apt-get update -qq" >/dev/null 2>&1 ||
    fail "apt-get update failed"
# The dependencies first: what their own maintainer scripts leave behind on
# a purge (a machine id, dpkg's stat overrides) is theirs, not the package's.
step "install the dependencies of $(basename "$deb")"
needs=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
[ -n "$recommends" ] && needs="$needs, $recommends"
in_root bash -c "export DEBIAN_FRONTEND=noninteractive; apt-get satisfy -y -qq '$needs'" \
    >/dev/null 2>&1 || fail "apt-get satisfy '$needs' failed"
file_list >"$root.before"

step "install $(basename "$deb")"
cp "$deb" "$root/root/"
in_root bash -c "export DEBIAN_FRONTEND=noninteractive;
    apt-get install -y -qq /root/$(basename "$deb")" >/dev/null 2>&1 || fail "apt-get install failed"
rm "$root/root/$(basename "$deb")"
for f in /usr/bin/velmarit /usr/bin/velmarit-tabelle /usr/share/icons/hicolor/16x16/apps/velmarit.png \
         /usr/share/icons/hicolor/scalable/apps/velmarit.svg \
         /usr/share/doc/velmarit/copyright /usr/share/doc/velmarit/changelog.gz \
         /usr/share/man/man1/velmarit.1.gz /usr/share/man/man1/velmarit-tabelle.1.gz \
         /usr/share/man/de/man1/velmarit.1.gz /usr/share/man/de/man1/velmarit-tabelle.1.gz; do
    [ -f "$root$f" ] || fail "$f not installed"
done
desktop=$(ls "$root"/usr/share/applications/*.desktop 2>/dev/null | head -n1)
[ -n "$desktop" ] || fail "no desktop entry installed"
ls "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "no AppStream metadata installed"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
step "menu entry $(basename "$desktop") starts: $exec_line"

as_user velmarit-tabelle lok | grep -q "Adressen 1 bis 80" || fail "velmarit-tabelle prints no table"

mkdir -p "$root/tmp/.X11-unix"
x_start "$root"
step "started Xvfb $display and openbox on the host"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

start_app() {
    # shellcheck disable=SC2086 # the Exec line is a command line
    as_user $exec_line >/dev/null 2>&1 &
    app_pid=$!
    wid=$(x_window Velmarit 10 "$app_pid")
    [ -n "$wid" ] || fail "the window did not appear"
    sleep 0.3
}
window_corner() { x_corner "$wid"; }
frame_of() { x_frame_of "$@"; }
close_app() {
    x_close "$wid" "$app_pid" || fail "the program did not end on close"
    app_pid=""
}

start_app
first=$(window_corner)
step "first start: window at $first"
[ "$first" = "0,0" ] || fail "a first start should open at the top-left corner"
DISPLAY=$display xdotool windowmove "$(frame_of "$wid")" 240 180
sleep 0.3
moved=$(window_corner)
step "moved to $moved"
close_app
ini=$(find "$root/home/$user" -name Velmarit.ini | head -n1)
[ -n "$ini" ] || fail "no per-user position file written"
step "position file ${ini#"$root"}: $(sed -n l "$ini" | tr '\n' ' ')"
[ -e "$root/usr/bin/Velmarit.ini" ] && fail "position file written into /usr/bin"

start_app
again=$(window_corner)
step "second start: window at $again"
close_app
[ "$again" = "$moved" ] || fail "reopened at $again, closed at $moved"

step "remove the package"
in_root bash -c "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmarit" >/dev/null 2>&1 ||
    fail "apt-get remove failed"
for f in /usr/bin/velmarit /usr/bin/velmarit-tabelle "${desktop#"$root"}" \
         /usr/share/icons/hicolor/16x16/apps/velmarit.png /usr/share/man/man1/velmarit.1.gz; do
    [ -e "$root$f" ] && fail "$f left after removal"
done
in_root dpkg -l velmarit 2>/dev/null | grep -q '^ii' && fail "package still installed"

step "purge it"
# apt no longer knows a removed local package by name; dpkg purges what is left.
in_root dpkg --purge velmarit >/dev/null 2>&1 || fail "dpkg --purge failed"
state=$(in_root dpkg-query -W -f='${db:Status-Abbrev}' velmarit 2>/dev/null || true)
case $state in "" | "un "*) ;; *) fail "dpkg still holds the package in state $state" ;; esac
file_list >"$root.after"
if ! diff "$root.before" "$root.after" >"$root.diff"; then
    cat "$root.diff"
    fail "files differ from before the install (list above)"
fi
step "left in the user's home, as Debian leaves users' files: ${ini#"$root"}"
step "OK: installed, started from the menu entry's command, kept its position," \
     "removed and purged leaving no file behind"
