#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program in a real X session: a first start opens in the corner, a move
# and a close through the window manager write the position file, and the
# next start opens where the last one closed.
#
# Usage: windowposition_e2e.sh PATH-TO-VELMARIT
# Needs Xvfb, openbox, x11-utils (xdpyinfo, xprop, xwininfo) and xdotool.
set -uo pipefail

program=${1:?usage: $0 PATH-TO-VELMARIT}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in Xvfb openbox xdpyinfo xprop xwininfo xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

work=$(mktemp -d)
xvfb_pid=
wm_pid=
app_pid=
cleanup() {
    for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Polls a command for up to $1 tenths of a second.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A display of our own: the first of :96 to :99 on which Xvfb starts.
for number in 96 97 98 99; do
    [ -e "/tmp/.X$number-lock" ] && continue
    # -noreset: by default the server resets when its last client leaves,
    # and a client connecting during the reset is turned away.
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    # Another session may have taken the display a moment before us: the
    # server that answers must be ours, the one named in the lock file.
    ours() { [ "$(tr -d ' \n' <"/tmp/.X$number-lock")" = "$xvfb_pid" ] && xdpyinfo -display ":$number"; }
    if wait_for 100 ours && kill -0 "$xvfb_pid" 2>/dev/null; then
        export DISPLAY=":$number"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
done
[ -n "$xvfb_pid" ] || fail "no X server could be started on :96 to :99 ($(cat "$work/xvfb.log"))"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for 100 wm_ready || fail "openbox did not start ($(cat "$work/openbox.log"))"
# openbox announces itself a moment before it manages windows.
sleep 0.5

# A copy of the program in a directory of its own, so that its position file
# lands there.
cp "$program" "$work/velmarit"
ini="$work/Velmarit.ini"

start_program() {
    env -u QT_QPA_PLATFORM QT_FONT_DPI=96 "$work/velmarit" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=
    for ((i = 0; i < 100; i++)); do
        window=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended at start ($(cat "$work/app.log"))"
        sleep 0.1
    done
    [ -n "$window" ] || fail "the program's window did not appear"
    # Let the window manager finish placing and decorating it.
    wait_for 50 frame_known || fail "the window got no frame"
    sleep 0.3
}

frame_known() { xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '='; }

# The outer frame's top-left corner: the client's corner less the frame's
# left and top extents.
outer_corner() {
    local extents x y left top
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g')
    read -r left _ top _ <<<"$extents"
    x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print $NF }')
    y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ { print $NF }')
    echo "$((x - left)) $((y - top))"
}

close_program() {
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || fail "could not activate the window"
    xdotool key --clearmodifiers alt+F4
    wait_for 100 bash -c "! kill -0 $app_pid" || fail "the program did not end after Alt+F4"
    wait "$app_pid"
    local status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status ($(cat "$work/app.log"))"
}

expect_file() {
    printf '%b' "$1" >"$work/expected"
    cmp -s "$work/expected" "$ini" ||
        fail "position file holds '$(od -An -c "$ini" 2>&1 | tr -s '\n' ' ')', expected '$1'"
}

# First start: no file, the window opens in the corner and the load step
# writes nothing.
start_program
corner=$(outer_corner)
[ "$corner" = "0 0" ] || fail "first start opened at $corner, expected 0 0"
[ ! -e "$ini" ] || fail "the position file was written at start"

# Move it one inch right and half an inch down: 96 x 48 pixels, 1440 x 720 twips.
xdotool windowmove --sync "$window" 96 48 >/dev/null 2>&1
at_96_48() { [ "$(outer_corner)" = "96 48" ]; }
wait_for 30 at_96_48
corner=$(outer_corner)
[ "$corner" = "96 48" ] || fail "after the move the window is at $corner, expected 96 48"
close_program
expect_file '[Position]\r\n 1440 \r\n 720 \r\n'

# Second start: where the first one closed.
start_program
corner=$(outer_corner)
[ "$corner" = "96 48" ] || fail "second start opened at $corner, expected 96 48"
close_program
expect_file '[Position]\r\n 1440 \r\n 720 \r\n'

echo "window position end to end: ok"
