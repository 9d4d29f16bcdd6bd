# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Helpers shared by the session tests (sourced, not run).
# shellcheck shell=bash

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polling and the liveness check are the X session helper's; it starts
# nothing when sourced.
source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
wait_for() { xsession_wait_for "$@"; }
pid_alive() { xsession_pid_alive "$1"; }

# Waits up to $2 tenths of a second for process $1 to end.
wait_for_exit() {
    local pid=$1 tenths=$2 i
    for ((i = 0; i < tenths; i++)); do
        pid_alive "$pid" || return 0
        sleep 0.1
    done
    return 1
}

# Ends a process of ours, if it still runs.
stop_pid() {
    local pid=$1
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
}

# Whether process $1 runs program $2 and catches SIGHUP and SIGTERM (bits 1
# and 15 of SigCgt): until it does, a signal would end it before it can save.
# Before the exec the process is still the shell that started it, whose own
# handlers do not count.
catches_session_signals() {
    local mask
    [ "$(readlink "/proc/$1/exe" 2>/dev/null)" = "$(readlink -f "$2")" ] || return 1
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status" 2>/dev/null) || return 1
    [ -n "$mask" ] || return 1
    (((0x$mask >> 0) & 1 && (0x$mask >> 14) & 1)) # SIGHUP is 1, SIGTERM 15
}

# Waits up to 30 s (a loaded machine) until process $1, running program $2,
# catches the signals; fails early if it ends.
wait_for_session_handlers() {
    local pid=$1 program=$2 i
    for ((i = 0; i < 300; i++)); do
        catches_session_signals "$pid" "$program" && return 0
        pid_alive "$pid" || return 1
        sleep 0.1
    done
    return 1
}

# Compares file $1 with the bytes of the printf pattern $2.
expect_file() {
    local file=$1 pattern=$2 what=${3:-}
    local expected
    expected=$(mktemp)
    printf '%b' "$pattern" >"$expected"
    if ! cmp -s "$expected" "$file"; then
        rm -f "$expected"
        fail "${what:+$what: }position file holds '$(od -An -c "$file" 2>&1 | tr -s '\n' ' ')', expected '$pattern'"
    fi
    rm -f "$expected"
}
