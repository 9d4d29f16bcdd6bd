#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# X sessions started at the same time get displays of their own, even when
# one is told the number another already holds (as overlapping hand-picked
# ranges of XSESSION_DISPLAYS do), and a session's programs reach its own
# server.
#
# Usage: xsession_test.sh
set -uo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
first_pid=
cleanup() {
    [ -n "$first_pid" ] && kill "$first_pid" 2>/dev/null && wait "$first_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A first session in a subshell, kept open until its stop file appears.
(
    source "$here/xsession.sh"
    xsession_start
    echo "$DISPLAY" >"$work/first.display"
    wait_for 1200 test -e "$work/stop"
) >"$work/first.log" 2>&1 &
first_pid=$!
for _ in $(seq 600); do
    [ -s "$work/first.display" ] && break
    kill -0 "$first_pid" 2>/dev/null || break
    sleep 0.1
done
first=$(cat "$work/first.display" 2>/dev/null)
[ -n "$first" ] || { echo "FAIL: the first session did not start: $(cat "$work/first.log")"; exit 1; }

# The second is pointed at the first one's number the old way.
XSESSION_DISPLAYS=${first#:}
source "$here/xsession.sh"
xsession_start
second=$DISPLAY
[ "$second" != "$first" ] || fail "both sessions got display $first"
xdpyinfo -display "$first" >/dev/null 2>&1 || fail "the first session's server is gone"
# A window mapped here is seen here and not on the other server.
xmessage -title xsession-probe probe &
probe=$!
xsession_at_exit "kill $probe"
xsession_wait_window --name xsession-probe >/dev/null || fail "no managed window on $second"
[ -z "$(DISPLAY=$first xdotool search --name xsession-probe 2>/dev/null)" ] ||
    fail "the window showed up on the other session's display"
touch "$work/stop"
echo "sessions on $first and $second"
