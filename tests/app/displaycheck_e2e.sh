#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The other side of the display check: where an X server answers at DISPLAY
# (and nothing else is set), the program starts, shows its window, and ends
# with status 0 when the window is closed; it says nothing about a missing
# display.
#
# Usage: displaycheck_e2e.sh PATH-TO-VELMARIT
set -uo pipefail

program=${1:?usage: $0 PATH-TO-VELMARIT}
source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"

work=$(mktemp -d)
app_pid=
stop_program() {
    [ -n "$app_pid" ] || return 0
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
}

# The session's own exit trap runs these hooks, the last added first.
xsession_start
xsession_at_exit 'rm -rf "$work"'
xsession_at_exit stop_program
# A copy: its position file stays out of the build tree.
cp "$program" "$work/velmarit"
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u WAYLAND_SOCKET HOME="$work" QT_FONT_DPI=96 \
    "$work/velmarit" >"$work/app.log" 2>&1 &
app_pid=$!
window=$(xsession_wait_window --pid "$app_pid") || {
    pid_alive "$app_pid" || fail "the program ended at start ($(cat "$work/app.log"))"
    fail "the program's window did not appear"
}
xsession_close_window "$window" "$app_pid" || fail "the window did not close"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status ($(cat "$work/app.log"))"
! grep -q "Keine grafische Anzeige" "$work/app.log" ||
    fail "the program reported a missing display: $(cat "$work/app.log")"
echo "display check with an X server at DISPLAY=$DISPLAY: the program started and ended with 0"
