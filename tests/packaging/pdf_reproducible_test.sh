#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# velmarit-tabelle --pdf with SOURCE_DATE_EPOCH set writes the same bytes in
# every run (no time of the run, no per-process random font tags) and dates
# the file by that variable; an unusable value is ignored.
#
#   pdf_reproducible_test.sh TABELLE_PROGRAM
set -uo pipefail

tabelle=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
# The creation date as written: time, then "Z" or the offset from UTC.
date_in() { grep -aoE "/CreationDate \(D:[^)]*\)" "$1" | sed 's/.*(D:\(.*\))/\1/'; }

# The same bytes a second later, and in time zones in which Qt would write
# its date with an offset instead of "Z".
SOURCE_DATE_EPOCH=1700000000 TZ=UTC "$tabelle" --pdf "$work/first.pdf" || fail "first run failed"
sleep 1.1 # a date of the run would now differ
for zone in UTC Pacific/Kiritimati America/New_York; do
    SOURCE_DATE_EPOCH=1700000000 TZ=$zone "$tabelle" --pdf "$work/again.pdf" || fail "run in $zone failed"
    cmp "$work/first.pdf" "$work/again.pdf" || fail "the run in $zone wrote different bytes"
done

now=$(TZ=Pacific/Kiritimati date +%Y) # the date Qt writes is local time
# SOURCE_DATE_EPOCH   creation date in the PDF (its start)
# SOURCE_DATE_EPOCH gives the date in UTC; without it Qt's date is local.
cases="1700000000     20231114221320Z
0                     19700101000000Z
2000000000            20330518033320Z
gestern               $now
-5                    $now
unset                 $now"
export TZ=Pacific/Kiritimati
while read -r epoch expected; do
    if [ "$epoch" = unset ]; then
        env -u SOURCE_DATE_EPOCH "$tabelle" --pdf "$work/dated.pdf" lok
    else
        SOURCE_DATE_EPOCH=$epoch "$tabelle" --pdf "$work/dated.pdf" lok
    fi || { fail "SOURCE_DATE_EPOCH=$epoch: the run failed"; continue; }
    got=$(date_in "$work/dated.pdf")
    [[ $got == "$expected"* ]] || fail "SOURCE_DATE_EPOCH=$epoch: creation date $got, expected $expected"
    pdfinfo "$work/dated.pdf" >/dev/null 2>&1 || fail "SOURCE_DATE_EPOCH=$epoch: pdfinfo cannot read the file"
done <<<"$cases"

echo "pdf_reproducible_test: $failures failures"
[ "$failures" -eq 0 ]
