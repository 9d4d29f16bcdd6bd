#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program in a real X session: a first start opens in the corner, a move
# and a close through the window manager write the position file, and the
# next start opens where the last one closed.
#
# Usage: windowposition_e2e.sh PATH-TO-VELMARIT
# Needs what tests/support/xsession.sh needs (Xvfb, openbox, x11-utils,
# xdotool, wmctrl).
set -uo pipefail

program=${1:?usage: $0 PATH-TO-VELMARIT}
# shellcheck source=tests/support/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"

app_pid=
window=
stop_program() {
    [ -n "$app_pid" ] || return 0
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
}

start_program() {
    env -u QT_QPA_PLATFORM QT_FONT_DPI=96 "$work/velmarit" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(xsession_wait_window --pid "$app_pid") || {
        pid_alive "$app_pid" || fail "the program ended at start ($(cat "$work/app.log"))"
        fail "the program's window did not appear or got no frame:" \
            "$(for w in $(xdotool search --pid "$app_pid" 2>/dev/null); do
                echo "$w $(xwininfo -id "$w" | grep -o 'Map State: .*')" \
                    "$(xprop -id "$w" _NET_FRAME_EXTENTS WM_STATE 2>&1 | tr '\n' ' ')"
            done)"
    }
    # Let the window manager finish placing and decorating it.
    sleep 0.3
}

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

corner_is() { [ "$(outer_corner)" = "$1" ]; }

# The corner must settle at $1: the window manager may still be placing it.
expect_corner() {
    wait_for 30 corner_is "$1"
    local corner
    corner=$(outer_corner)
    [ "$corner" = "$1" ] || fail "$2 at $corner, expected $1"
}

# A close through the window manager ends the program with status 0.
close_ok() {
    close_program || fail "the program did not close cleanly: status $? ($(cat "$work/app.log"))"
}

scenario() {
    # A copy of the program in a fresh directory of its own, so that its
    # position file lands there.
    work=$(mktemp -d -p "$XSESSION_DIR")
    cp "$program" "$work/velmarit"
    ini="$work/Velmarit.ini"
    xsession_at_exit stop_program

    # First start: no file, the window opens in the corner and the load step
    # writes nothing.
    start_program
    expect_corner "0 0" "first start opened"
    [ ! -e "$ini" ] || fail "the position file was written at start"

    # Move it one inch right and half an inch down: 96 x 48 pixels, 1440 x 720 twips.
    timeout 10 xdotool windowmove --sync "$window" 96 48 >/dev/null 2>&1
    expect_corner "96 48" "after the move the window is"
    close_ok
    expect_file "$ini" '[Position]\r\n 1440 \r\n 720 \r\n'

    # Second start: where the first one closed.
    start_program
    expect_corner "96 48" "second start opened"
    close_ok
    expect_file "$ini" '[Position]\r\n 1440 \r\n 720 \r\n'
}

xsession_start
xsession_run scenario || exit 1
echo "window position end to end: ok (openbox restarts: $(xsession_wm_restarts))"
