#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The display check against real X servers. Where an X server answers at
# DISPLAY (and nothing else is set), or at Qt's -display option with no
# DISPLAY at all, the program starts, shows its window, and ends with status
# 0 when the window is closed; it says nothing about a missing display.
# Where the server has no screen of the number asked for, or refuses the
# connection for want of its authorization, the program says so in one
# German line and ends with status 1. Started with SIGCHLD ignored, as a
# parent that ignores it starts it, the program judges the servers alike.
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
locked_pid=
stop_locked_server() {
    [ -n "$locked_pid" ] || return 0
    kill "$locked_pid" 2>/dev/null
    wait "$locked_pid" 2>/dev/null
}

# The session's own exit trap runs these hooks, the last added first.
xsession_start
xsession_at_exit 'rm -rf "$work"'
xsession_at_exit stop_program
xsession_at_exit stop_locked_server
# A copy: its position file stays out of the build tree.
cp "$program" "$work/velmarit"

# With --sigchld-ignored first, the helpers below start the program with
# SIGCHLD ignored; that survives exec, as it does for a parent that ignores it.
starter() {
    if [ "$1" = --sigchld-ignored ]; then
        starter_command=(perl -e '$SIG{CHLD} = "IGNORE"; exec @ARGV or die "exec: $!\n"' --)
        return 0
    fi
    starter_command=()
    return 1
}

# Starts the program with the environment (options of env) and arguments
# given (after a "--"), closes its window and checks that it ended with 0 and no complaint.
shows_window() {
    starter "$1" && shift
    local environment=()
    while [ "$1" != -- ]; do
        environment+=("$1")
        shift
    done
    shift
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u WAYLAND_SOCKET "${environment[@]}" HOME="$work" \
        QT_FONT_DPI=96 "${starter_command[@]}" "$work/velmarit" "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    local window status
    window=$(xsession_wait_window --pid "$app_pid") || {
        echo "no window ($(cat "$work/app.log"))"
        return 1
    }
    xsession_close_window "$window" "$app_pid" || { echo "the window did not close"; return 1; }
    wait "$app_pid"
    status=$?
    app_pid=
    [ "$status" -eq 0 ] || { echo "status $status ($(cat "$work/app.log"))"; return 1; }
    ! grep -q "Keine grafische Anzeige" "$work/app.log" ||
        { echo "it reported a missing display: $(cat "$work/app.log")"; return 1; }
}

# Runs the program with the environment given and checks that it ended at
# once with status 1 and exactly the line expected ($1) on standard error.
refused() {
    starter "$1" && shift
    local expected=$1
    shift
    local output status
    output=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u WAYLAND_SOCKET HOME="$work" \
        timeout 60 env "$@" "${starter_command[@]}" "$work/velmarit" 2>&1 >/dev/null)
    status=$?
    [ "$status" -eq 1 ] && [ "$output" = "$expected" ] ||
        { echo "status $status, said: $output"; return 1; }
}

prefix="velmarit: Keine grafische Anzeige gefunden:"
check "a window at DISPLAY=$DISPLAY" shows_window --
check "a window at -display $DISPLAY, DISPLAY unset" shows_window -u DISPLAY -- -display "$DISPLAY"
no_screen="$prefix der X-Server an DISPLAY=$DISPLAY.3 hat keinen Bildschirm 3."
check "DISPLAY=$DISPLAY.3: the server has one screen only" refused "$no_screen" DISPLAY="$DISPLAY.3"
# The child that tries the connection is reaped unseen then: an answer must
# still count as one, and a missing screen as missing.
check "SIGCHLD ignored: a window at DISPLAY=$DISPLAY" shows_window --sigchld-ignored --
check "SIGCHLD ignored: DISPLAY=$DISPLAY.3 has no screen 3" \
    refused --sigchld-ignored "$no_screen" DISPLAY="$DISPLAY.3"

# A second X server that lets in only those who hold its cookie.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
xauth -q -f "$work/cookies" add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -auth "$work/cookies" -nolisten tcp 3>"$work/displayfd" >"$work/locked.log" 2>&1 &
locked_pid=$!
number=$(timeout 30 head -n 1 "$work/displayfd") || number=
[ -n "$number" ] || fail "the second X server did not start ($(cat "$work/locked.log"))"
: >"$work/no-cookies"
refusal="$prefix der X-Server an DISPLAY=:$number verweigert den Zugriff (Authorization required, but no authorization protocol specified); XAUTHORITY muss auf seine Berechtigungsdatei zeigen, oder xhost muss den Zugriff erlauben."
check "DISPLAY=:$number without its cookie: refused, and said so" \
    refused "$refusal" DISPLAY=":$number" XAUTHORITY="$work/no-cookies"
check "SIGCHLD ignored: DISPLAY=:$number without its cookie, refused" \
    refused --sigchld-ignored "$refusal" DISPLAY=":$number" XAUTHORITY="$work/no-cookies"

checks_done "display check with X servers"
