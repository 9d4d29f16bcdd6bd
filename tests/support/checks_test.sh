#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the end-to-end tests' verdicts rest on: a test's run of checks fails
# when one check failed, when a failure was noted, and when no check ran at
# all; fail ends the test with status 1 and the diagnostics added to it; and
# pid_alive does not count an ended process that was not reaped yet.
#
# Usage: checks_test.sh
set -uo pipefail

library="$(dirname "${BASH_SOURCE[0]}")/checks.sh"
failures=0
expect() { # what, expected status, script run after the library
    local what=$1 expected=$2 script=$3 status
    bash -c 'source "$1" && eval "$2"' checks "$library" "$script" >/dev/null 2>&1
    status=$?
    if [ "$status" -ne "$expected" ]; then
        echo "FAIL: $what: status $status, expected $expected"
        failures=$((failures + 1))
    fi
}

# what                                 status  script
expect "every check passes"               0 'check one true; check two true; checks_done t'
expect "one check of three fails"         1 'check one true; check two false; check three true; checks_done t'
expect "a noted failure"                  1 'check one true; failure "wrong"; checks_done t'
expect "no check ran"                     1 'checks_done t'
expect "fail ends the test at once"       1 'fail "stop"; exit 0'
expect "a check's failure goes on"        0 'check one false; exit 0'
expect "wait_for sees a late success"     0 'touch_later() { (sleep 0.3; : >"$1") & }; f=$(mktemp -u); touch_later "$f"; wait_for 50 test -e "$f"; s=$?; rm -f "$f"; exit $s'
expect "wait_for gives up"                1 'wait_for 3 false'
# A zombie: its parent, turned into sleep by exec, never reaps it.
expect "an unreaped process has ended"    0 'read -r p < <(bash -c "sleep 0.1 & echo \$!; exec sleep 2"); sleep 0.6; ! pid_alive "$p"'
expect "a running process is alive"       0 'sleep 5 & p=$!; pid_alive "$p"; s=$?; kill $p; exit $s'

# fail adds what the diagnostics know, after its own message.
out=$(bash -c 'source "$1"; note() { echo "the log says why"; }; CHECKS_DIAGNOSTICS+=(note); fail "broken"' \
    checks "$library" 2>&1)
if [ "$out" != $'FAIL: broken\nthe log says why' ]; then
    echo "FAIL: fail's message and diagnostics: '$out'"
    failures=$((failures + 1))
fi

# The counts a test prints come from its own checks.
out=$(bash -c 'source "$1"; check a true; check b false; failure c; checks_done "title"' checks "$library")
if [ "$(tail -n 1 <<<"$out")" != "title: 1 passed, 2 failed" ]; then
    echo "FAIL: checks_done's count: '$out'"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "checks: every case as expected"
[ "$failures" -eq 0 ]
