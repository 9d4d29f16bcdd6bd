# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash

# Checks and waits shared by the end-to-end tests (sourced; starts nothing).
# xsession.sh, wine.sh and cups.sh source it, so a test sources only those
# it needs.
#
#   check "what is checked" COMMAND...   prints ok/FAIL and goes on
#   fail "why"                           ends the test at once
#   failure "what is wrong"              a failed check in the test's words
#   checks_done "title"                  the count; fails if any check failed
#
# A test where nothing after a failure could be checked uses fail alone; a
# test of many independent checks uses check and ends with checks_done.

[ -n "${VELMARIT_CHECKS_LOADED:-}" ] && return 0
VELMARIT_CHECKS_LOADED=1

# The programs speak the language the locale asks for. The tests read them
# in German, the C locale's language, whatever locale the tester has; a
# test of another language sets its own.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

CHECKS_PASSED=0
CHECKS_FAILED=0
# Commands that add what they know to a failure's message (the X session
# adds its window manager's log).
CHECKS_DIAGNOSTICS=()

fail() {
    local diagnose
    echo "FAIL: $*" >&2
    for diagnose in "${CHECKS_DIAGNOSTICS[@]}"; do
        "$diagnose" >&2
    done
    exit 1
}

check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok    $what"
        CHECKS_PASSED=$((CHECKS_PASSED + 1))
    else
        echo "FAIL  $what"
        CHECKS_FAILED=$((CHECKS_FAILED + 1))
    fi
}

# A failed check found by the test's own means, said in its own words.
failure() {
    echo "FAIL  $*"
    CHECKS_FAILED=$((CHECKS_FAILED + 1))
}

# A test that ran no check at all has not shown anything: that fails too.
checks_done() {
    echo "$1: $CHECKS_PASSED passed, $CHECKS_FAILED failed"
    [ "$CHECKS_FAILED" -eq 0 ] && [ "$CHECKS_PASSED" -gt 0 ]
}

# Polls a command for up to $1 tenths of a second; its output is dropped.
wait_for() {
    local tenths=$1 i
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# kill -0 alone would count a process that ended but was not reaped yet.
pid_alive() {
    local state
    kill -0 "$1" 2>/dev/null || return 1
    # The state follows the command name in parentheses, which may hold
    # blanks; a process whose entry went away after kill -0 has just ended.
    state=$(sed 's/.*) //; s/ .*//' "/proc/$1/stat" 2>/dev/null) || return 1
    [ "$state" != Z ]
}

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

# Ends the test unless file $1 holds exactly the bytes of the printf
# pattern $2; $3 says which file it is.
expect_file() {
    local file=$1 pattern=$2 what=${3:-}
    if ! cmp -s <(printf '%b' "$pattern") "$file"; then
        fail "${what:+$what: }position file holds '$(od -An -c "$file" 2>&1 | tr -s '\n' ' ')', expected '$pattern'"
    fi
}
