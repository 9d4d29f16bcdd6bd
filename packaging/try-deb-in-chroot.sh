#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built .deb into a clean Debian 12 root, starts the program the
# way the menu entry does (its Exec line) as an ordinary user under the
# host's Xvfb, moves it, closes it through the window manager, checks that
# the position was kept in the user's own file and that it reopens there,
# then removes the package and checks that nothing of it is left.
#
#   sudo packaging/try-deb-in-chroot.sh build/default/velmarit_2.0.3_amd64.deb [root-dir]
#
# Needs root, debootstrap, xvfb, openbox, xdotool and x11-utils on the host.
# The Debian mirror is the one the host's apt already uses.
set -euo pipefail

deb=$(realpath "$1")
root=${2:-/tmp/velmarit-debroot}
display=${VELMARIT_TRY_DISPLAY:-:88}
user=tester

fail() { echo "try-deb: FAIL: $*" >&2; exit 1; }
step() { echo "try-deb: $*"; }

mirror=$({ grep -h -E '^(URIs:|deb )' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list \
            2>/dev/null || true; } | grep -v security | awk 'NR == 1 {print $2}')
[ -n "$mirror" ] || fail "no Debian mirror found in the host's apt sources"

if [ ! -x "$root/usr/bin/apt-get" ]; then
    step "debootstrap bookworm into $root"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
fi

cleanup() {
    set +e
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
    mountpoint -q "$root/tmp/.X11-unix" && umount "$root/tmp/.X11-unix"
    mountpoint -q "$root/proc" && umount "$root/proc"
}
trap cleanup EXIT
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
as_user() {
    chroot --userspec="$user:$user" "$root" /usr/bin/env -i PATH=/usr/bin:/bin \
        HOME="/home/$user" DISPLAY="$display" "$@"
}

step "install $(basename "$deb") with its dependencies"
cp "$deb" "$root/root/"
in_root bash -c "export DEBIAN_FRONTEND=noninteractive; apt-get update -qq &&
    apt-get install -y -qq /root/$(basename "$deb")" >/dev/null 2>&1 || fail "apt-get install failed"
for f in /usr/bin/velmarit /usr/bin/velmarit-tabelle /usr/share/icons/hicolor/16x16/apps/velmarit.png \
         /usr/share/icons/hicolor/scalable/apps/velmarit.svg; do
    [ -f "$root$f" ] || fail "$f not installed"
done
desktop=$(ls "$root"/usr/share/applications/*.desktop 2>/dev/null | head -n1)
[ -n "$desktop" ] || fail "no desktop entry installed"
ls "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "no AppStream metadata installed"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
step "menu entry $(basename "$desktop") starts: $exec_line"

in_root bash -c "id $user >/dev/null 2>&1 || useradd -m $user"
as_user velmarit-tabelle lok | grep -q "Adressen 1 bis 80" || fail "velmarit-tabelle prints no table"

step "start Xvfb $display and openbox on the host"
mkdir -p "$root/tmp/.X11-unix"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
x_pid=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
    xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
done
sleep 0.5 # openbox announces itself a moment before it manages windows
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

start_app() {
    # shellcheck disable=SC2086 # the Exec line is a command line
    as_user $exec_line >/dev/null 2>&1 &
    app_pid=$!
    wid=""
    for _ in $(seq 100); do
        wid=$(DISPLAY=$display xdotool search --onlyvisible --name "Velmarit" 2>/dev/null | head -n1) || true
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || fail "the window did not appear"
    sleep 0.3
}
window_corner() {
    DISPLAY=$display xwininfo -id "$(frame_of "$wid")" | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} END {print x "," y}'
}
frame_of() { # the window manager's frame around the client window
    local w=$1 parent
    while :; do
        parent=$(DISPLAY=$display xwininfo -children -id "$w" | awk '/Parent window id/ {print $4}')
        root=$(DISPLAY=$display xwininfo -root | awk '/Window id/ {print $4}')
        [ "$parent" = "$root" ] && { echo "$w"; return; }
        w=$parent
    done
}
close_app() {
    DISPLAY=$display xdotool windowactivate --sync "$wid" key alt+F4
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "the program did not end on close"
    app_pid=""
}

rm -rf "$root/home/$user/.config/Velmarit" # a first start, also when run again
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
in_root bash -c "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velmarit" >/dev/null 2>&1
left=$(in_root dpkg -L velmarit 2>/dev/null | grep -v '^/usr$\|^/usr/share$\|^/usr/bin$' || true)
for f in /usr/bin/velmarit /usr/bin/velmarit-tabelle "${desktop#"$root"}" \
         /usr/share/icons/hicolor/16x16/apps/velmarit.png; do
    [ -e "$root$f" ] && fail "$f left after removal"
done
[ -z "$(in_root dpkg -l velmarit 2>/dev/null | grep '^ii')" ] || fail "package still installed"
step "OK: installed, started from the menu entry's command, kept its position, removed cleanly"
