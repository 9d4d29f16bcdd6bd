#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# velmarit-tabelle.exe under Wine, redirected into files, against the Linux
# build given the same arguments: the same exit status, and the same text
# once the Windows file form is taken off. That form is checked too: every
# line ends in exactly one CR LF, and CSV (only CSV) starts with a UTF-8
# byte order mark. The help differs in two ways that Windows users expect:
# its usage line names the program as it was started (a Windows path), and
# Qt accepts "-?" for help there, which widens the option column; both are
# taken off before comparing it.
#
# Usage: tabelle_output.sh LINUX-PROGRAM WINDOWS-PROGRAM.exe [ARGS...]
set -uo pipefail
linux=${1:?usage: $0 LINUX-PROGRAM WINDOWS-PROGRAM.exe [ARGS...]}
windows=${2:?usage: $0 LINUX-PROGRAM WINDOWS-PROGRAM.exe [ARGS...]}
shift 2
source "$(dirname "$0")/../support/wine.sh"
ensure_wine_prefix || exit 1

[ -x "$linux" ] || { echo "FAIL: no Linux build at $linux" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$linux" "$@" >"$work/linux.out" 2>"$work/linux.err"
linux_status=$?
env -u DISPLAY wine "$windows" "$@" >"$work/win.out" 2>"$work/win.err"
win_status=$?


[ "$win_status" -eq "$linux_status" ] ||
    failure "exit status $win_status under Wine, $linux_status on Linux"

csv=no
help=no
for arg in "$@"; do
    [ "$arg" = "--csv" ] && csv=yes
    [ "$arg" = "--help" ] && help=yes
done

for stream in out err; do
    file="$work/win.$stream"
    expect_mark=no
    [ "$stream" = out ] && [ "$csv" = yes ] && [ "$linux_status" -eq 0 ] && expect_mark=yes
    if [ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' \n')" = "efbbbf" ]; then
        [ "$expect_mark" = yes ] || failure "std$stream starts with a byte order mark"
        tail -c +4 "$file" >"$file.body"
    else
        [ "$expect_mark" = no ] || failure "std$stream has no byte order mark"
        cp "$file" "$file.body"
    fi
    # Line ends: no LF without its CR, and no CR doubled in front of one.
    bare_lf=$(/usr/bin/python3 -c 'import sys; b = open(sys.argv[1], "rb").read(); print(b.count(b"\n") - b.count(b"\r\n"), b.count(b"\r\r\n"))' "$file.body")
    [ "$bare_lf" = "0 0" ] || failure "std$stream: line ends not all single CR LF (bare LF, CR CR LF: $bare_lf)"
    sed 's/\r$//' "$file.body" >"$file.unix"
    if [ "$help" = yes ]; then
        for f in "$file.unix" "$work/linux.$stream"; do
            sed -i '1s/^\([^:]*: *\).* \(\[[^]]*\] \[[^]]*\]\)$/\1PROGRAMM \2/; s/-?, -h, --help/-h, --help/; s/  */ /g' "$f"
        done
    fi
    if ! cmp -s "$work/linux.$stream" "$file.unix"; then
        failure "std$stream differs from the Linux build:"
        diff "$work/linux.$stream" "$file.unix" | head -n 10 >&2
    fi
done

if [ "$CHECKS_FAILED" -eq 0 ]; then
    echo "velmarit-tabelle $*: same as on Linux ($(wc -c <"$work/win.out") bytes)"
fi
[ "$CHECKS_FAILED" -eq 0 ]
