# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Clean Debian 12 roots and a private X display for the maintainer's tools
# that try Velmarit on a machine nobody has set up (try-deb-in-chroot.sh,
# try-in-fresh-debian.sh). Sourced, not run; needs root, debootstrap, and
# for the X part xvfb, openbox, xdotool, wmctrl and x11-utils on the host.
# shellcheck shell=bash

root_say() { echo "${ROOT_TOOL:-debian-root}: $*"; }
root_fail() { echo "${ROOT_TOOL:-debian-root}: FAIL: $*" >&2; exit 1; }

# The first Debian mirror of the host's apt sources (not the security one),
# so that the roots are made from what the host already reaches.
debian_mirror() {
    { grep -h -E '^(URIs:|deb )' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list \
        2>/dev/null || true; } | grep -v security | awk '$2 ~ /debian\/?$/ {print $2; exit}'
}
debian_security_mirror() {
    local url
    url=$({ grep -h -E '^(URIs:|deb )' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list \
        2>/dev/null || true; } | awk '$2 ~ /debian-security\/?$/ {print $2; exit}')
    echo "${url:-http://deb.debian.org/debian-security}"
}

# debian_base BASE: a minimal debootstrap of bookworm in BASE, made once and
# kept pristine: every root is a copy of it. It is made beside BASE and
# renamed only when debootstrap succeeded, so an interrupted run never
# leaves a half-made base that a later run would take for a whole one.
debian_base() {
    local base=$1 mirror
    [ -f "$base/.velmarit-base-complete" ] && return 0
    mirror=$(debian_mirror)
    [ -n "$mirror" ] || root_fail "no Debian mirror found in the host's apt sources"
    root_say "debootstrap --variant=minbase bookworm $base from $mirror"
    rm -rf "$base.part"
    if ! debootstrap --variant=minbase bookworm "$base.part" "$mirror" >"$base.log" 2>&1; then
        tail -n 20 "$base.log" >&2
        root_fail "debootstrap failed (log $base.log)"
    fi
    touch "$base.part/.velmarit-base-complete"
    rm -rf "$base"
    mv "$base.part" "$base"
}

# Every mount made in a root, unmounted in reverse order by root_unmount_all
# (the EXIT trap of the tool that sources this).
root_mounts=()

# root_processes DIR: the processes whose root folder is DIR or inside it,
# that is, what commands run in that root left running.
root_processes() {
    local dir=$1 link pid
    for link in /proc/[0-9]*/root; do
        pid=${link#/proc/}
        pid=${pid%/root}
        case $(readlink "$link" 2>/dev/null) in
            "$dir" | "$dir"/*) echo "$pid" ;;
        esac
    done
}

# root_unmount DIR: ends what still runs in DIR (a daemon a test or an
# install left behind would keep its mounts busy), then takes every mount
# under DIR away, deepest first; lazily when a mount is still busy.
root_unmount() {
    local dir=$1 pid m
    local pids
    pids=$(root_processes "$dir")
    if [ -n "$pids" ]; then
        for pid in $pids; do kill "$pid" 2>/dev/null; done
        sleep 1
        for pid in $(root_processes "$dir"); do kill -KILL "$pid" 2>/dev/null; done
    fi
    # /proc/mounts writes a blank as \040.
    awk '{print $2}' /proc/mounts | while IFS= read -r m; do printf '%b\n' "$m"; done |
        { grep -F -- "$dir/" || true; } | sort -r | while IFS= read -r m; do
            case $m in "$dir"/*) umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true ;; esac
        done
}
root_unmount_all() {
    local i
    for ((i = ${#root_mounts[@]} - 1; i >= 0; i--)); do
        root_unmount "${root_mounts[i]}"
    done
}

# root_fresh BASE DIR: DIR as a clean copy of BASE, with the suites an
# installed Debian 12 has (its updates and security fixes), and no service
# started inside it by a package's installation (there is no init system
# in a root; a daemon started there would outlive the run).
root_fresh() {
    local base=$1 dir=$2
    case $dir in /*/*) ;; *) root_fail "refusing to replace $dir" ;; esac
    root_unmount "$dir"
    rm -rf "$dir"
    cp -a "$base" "$dir"
    rm -f "$dir/.velmarit-base-complete"
    local mirror
    mirror=$(debian_mirror)
    cat >"$dir/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $(debian_security_mirror) bookworm-security main
EOF
    # debootstrap writes no hosts file; an installed system, or a container,
    # names localhost in one (browser drivers connect to it by that name).
    printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$dir/etc/hosts"
    printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
    chmod 755 "$dir/usr/sbin/policy-rc.d"
}

# root_mount DIR: /proc, /sys, /dev, /dev/pts and /dev/shm in DIR, as a
# booted system has them.
root_mount() {
    local dir=$1
    root_mounts+=("$dir")
    mount -t proc proc "$dir/proc"
    mount -t sysfs sysfs "$dir/sys" 2>/dev/null || mount --bind /sys "$dir/sys"
    mount --bind /dev "$dir/dev"
    mount --bind /dev/pts "$dir/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$dir/dev/shm"
}

# root_run DIR COMMAND...: COMMAND as root in DIR with a clean environment.
root_run() {
    local dir=$1
    shift
    chroot "$dir" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"
}

# x_start: a private Xvfb on the host with openbox (kept running: under
# heavy load openbox itself can die, and a window would then never close on
# Alt+F4; started again, it manages the windows anew). Sets $display.
# STATE is a file prefix for the display's number and openbox's process.
x_start() {
    local state=$1
    rm -f "$state.displayfd"
    mkfifo "$state.displayfd"
    # Xvfb takes a free display and names it once it listens.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state.displayfd" >/dev/null 2>&1 &
    x_pid=$!
    display=:$(timeout 30 head -n 1 "$state.displayfd") || true
    rm -f "$state.displayfd"
    [ "$display" != : ] || root_fail "Xvfb did not start"
    for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
    x_wm_file=$state.wm
    (while :; do
        DISPLAY=$display openbox &
        echo $! >"$x_wm_file"
        wait $!
        sleep 0.2
    done) >/dev/null 2>&1 &
    x_wm_loop=$!
    for _ in $(seq 50); do
        xprop -display "$display" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
        sleep 0.1
    done
    sleep 0.5 # openbox announces itself a moment before it manages windows
}
x_stop() {
    [ -n "${x_wm_loop:-}" ] && kill "$x_wm_loop" 2>/dev/null
    [ -s "${x_wm_file:-}" ] && kill "$(cat "$x_wm_file")" 2>/dev/null
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
    x_wm_loop="" x_pid=""
    return 0
}

# x_window NAME SECONDS PID: the visible window called NAME, waited for up to
# SECONDS; empty when it did not appear or process PID ended first.
x_window() {
    local name=$1 seconds=$2 pid=$3 wid i
    for ((i = 0; i < seconds * 2; i++)); do
        wid=$(DISPLAY=$display xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1) || true
        [ -n "$wid" ] && { echo "$wid"; return; }
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.5
    done
}
x_frame_of() { # the window manager's frame around the client window
    local w=$1 parent top
    top=$(DISPLAY=$display xwininfo -root | awk '/Window id/ {print $4}')
    while :; do
        parent=$(DISPLAY=$display xwininfo -children -id "$w" | awk '/Parent window id/ {print $4}')
        [ "$parent" = "$top" ] && { echo "$w"; return; }
        w=$parent
    done
}
x_corner() { # "X,Y" of the outer frame's top-left corner
    DISPLAY=$display xwininfo -id "$(x_frame_of "$1")" | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} END {print x "," y}'
}
x_ended() { # waits up to 20 s for process $1 to end
    for _ in $(seq 200); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}
# x_close WID PID: Alt+F4 through the window manager, _NET_CLOSE_WINDOW as a
# second try; fails when process PID does not end.
x_close() {
    local wid=$1 pid=$2
    for _ in $(seq 50); do
        DISPLAY=$display xdotool windowactivate "$wid" 2>/dev/null || true
        [ "$(DISPLAY=$display xdotool getactivewindow 2>/dev/null)" = "$wid" ] && break
        sleep 0.1
    done
    DISPLAY=$display xdotool key alt+F4
    x_ended "$pid" && return 0
    root_say "no end after Alt+F4; closing through _NET_CLOSE_WINDOW"
    DISPLAY=$display wmctrl -i -c "$wid"
    x_ended "$pid"
}

# The common EXIT trap of the tools: ends the program under test, unmounts
# the root and stops the X session.
root_cleanup() {
    set +e
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
    root_unmount_all
    x_stop
    rm -f "$root.wm"
}
