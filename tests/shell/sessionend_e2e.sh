#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The end of a desktop session as the program meets it: a running program
# gets SIGTERM or SIGHUP. It must write the position file as a close does
# and end with status 0. Runs on Qt's offscreen platform, so no display
# server can be what fails.
#
# Usage: sessionend_e2e.sh PATH-TO-VELMARIT
set -uo pipefail

program=${1:?usage: $0 PATH-TO-VELMARIT}
source "$(dirname "$0")/../support/checks.sh"

work=$(mktemp -d)
app_pid=
cleanup() {
    stop_pid "$app_pid"
    rm -rf "$work"
}
trap cleanup EXIT

cp "$program" "$work/velmarit"
ini="$work/Velmarit.ini"
# A fourth line that a rewrite drops: the file after the signal shows that
# the program wrote it, and wrote it whole.
saved='[Position]\r\n 1440 \r\n 720 \r\nold fourth line\r\n'
written='[Position]\r\n 1440 \r\n 720 \r\n'

# name            signals sent, in order
cases=(
    "SIGTERM        TERM"
    "SIGHUP         HUP"
    "SIGHUP+SIGTERM HUP TERM"
)
for row in "${cases[@]}"; do
    read -r name signals <<<"$row"
    printf '%b' "$saved" >"$ini"
    # The program keeps a SIGHUP "ignore" it inherits (nohup); this test asks
    # what it does with the default, whatever the caller of the tests ignores.
    env --default-signal=HUP,TERM QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$work/velmarit" >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_for_session_handlers "$app_pid" "$work/velmarit" || fail "$name: the program did not get ready ($(cat "$work/app.log"))"
    for signal in $signals; do
        kill -s "$signal" "$app_pid"
    done
    wait_for_exit "$app_pid" 300 || fail "$name: the program did not end ($(cat "$work/app.log"))"
    wait "$app_pid"
    status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "$name: the program ended with status $status ($(cat "$work/app.log"))"
    expect_file "$ini" "$written" "$name"
    echo "$name: ended with status 0, position file written"
done
echo "session end: ok"
