# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Counts the tests in ctest's output: one run or several in one log, with
# anything else between them. Prints one line
#
#     PASSED FAILED SKIPPED RUNS
#
# (RUNS: how many ctest summaries were found; 0 means no tests ran), then
# the name of each test that did not run, one a line.
#
# ctest's closing "N% tests passed, F tests failed out of T" counts a skipped
# test (SKIP_RETURN_CODE, SKIP_REGULAR_EXPRESSION) among the passed ones;
# only the list after it, "The following tests did not run:", tells them
# apart ("3 - name (Skipped)"), so they are taken off the passed ones here.
# A disabled test ("(Disabled)") is not in T at all, but did not run either
# and counts as skipped.
#
#     awk -f scripts/ctest-counts.awk LOG...

# A test's own output (--output-on-failure) comes before the summary; only
# a list after a summary is ctest's.
/^Test project / {
    after_summary = 0
    listing = 0
}

/tests failed out of [0-9]+$/ {
    runs++
    failed += $(NF - 5)
    total += $NF
    after_summary = 1
    listing = 0
    next
}

after_summary && /^The following tests did not run:$/ {
    listing = 1
    next
}

listing && /^\t *[0-9]+ - .* \((Skipped|Disabled)\)$/ {
    line = $0
    sub(/^\t *[0-9]+ - /, "", line)
    if (line ~ / \(Skipped\)$/) {
        skipped_in_total++
    }
    sub(/ \((Skipped|Disabled)\)$/, "", line)
    names[++skipped] = line
    next
}

{ listing = 0 }

END {
    print total - failed - skipped_in_total, failed + 0, skipped + 0, runs + 0
    for (i = 1; i <= skipped; i++) {
        print names[i]
    }
}
