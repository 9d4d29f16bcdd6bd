#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/ctest-counts.awk against the output of the ctest that runs this
# test: a project of its own with tests that pass, fail, skip by status or
# by their output, or are disabled, run in the combinations the scripts
# meet.
#
#   ctest_counts_test.sh SOURCE_DIR
set -uo pipefail

counts=$1/scripts/ctest-counts.awk
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

cat >"$work/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(counts NONE)
enable_testing()
add_test(NAME pass COMMAND sh -c "exit 0")
add_test(NAME fail COMMAND sh -c "exit 1")
add_test(NAME skip.status COMMAND sh -c "exit 77")
set_tests_properties(skip.status PROPERTIES SKIP_RETURN_CODE 77)
add_test(NAME skip.output COMMAND sh -c "echo 'SKIP: no display'")
set_tests_properties(skip.output PROPERTIES SKIP_REGULAR_EXPRESSION "^SKIP:")
add_test(NAME disabled COMMAND sh -c "exit 0")
set_tests_properties(disabled PROPERTIES DISABLED TRUE)
# A failing test whose own output looks like ctest's list of skipped tests.
add_test(NAME fail.lookalike COMMAND sh -c
    "printf 'The following tests did not run:\\n\\t  9 - ghost (Skipped)\\n'; exit 1")
CMAKE
cmake -G Ninja -S "$work" -B "$work/build" >/dev/null || { echo "FAIL: the test project did not configure"; exit 1; }

# The tests of each ctest run (a regex; ";" between runs in one log), then
# the expected counts (passed failed skipped runs) and skipped names. A run
# of nothing but disabled tests ends without a summary ("No tests were
# found"), which the scripts count as a run without tests.
cases='^pass$                                     1 0 0 1
^(pass|fail)$                                             1 1 0 1
^(pass|skip\.status)$                                     1 0 1 1 skip.status
^skip\.output$                                            0 0 1 1 skip.output
^(pass|skip\..*|disabled)$                                1 0 3 1 skip.status skip.output disabled
^(pass|fail\.lookalike)$                                  1 1 0 1
^(pass|skip\.status)$;^(fail|skip\.output)$               1 1 2 2 skip.status skip.output
^disabled$                                                 0 0 0 0
^nothing$                                                 0 0 0 0'
while read -r runs expected; do
    : >"$work/log"
    IFS=';' read -ra regexes <<<"$runs"
    for regex in "${regexes[@]}"; do
        (cd "$work/build" && ctest --output-on-failure --tests-regex "$regex") >>"$work/log" 2>&1
        echo "something else the script printed" >>"$work/log"
    done
    actual=$(awk -f "$counts" "$work/log" | paste -sd' ')
    [ "$actual" = "$expected" ] || { echo "FAIL: $runs: got '$actual', expected '$expected'"; failures=$((failures + 1)); }
done <<<"$cases"

[ "$failures" -eq 0 ] && echo "all cases passed"
exit $((failures > 0))
