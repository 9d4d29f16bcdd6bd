#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# velmarit-tabelle.exe writing into a console rather than a file: Wine gives
# it one when its output is a terminal, so it runs under script(1), started
# from a Windows prompt (cmd /c) that shares the console with it, as a user
# at a prompt does. The
# text must come through the console's Unicode interface unharmed (umlauts,
# accents, quotation marks, guillemets), form feeds turned into empty lines, and
# otherwise the Linux build's text: standard output and error together.
#
# Usage: tabelle_console.sh LINUX-PROGRAM WINDOWS-PROGRAM.exe [ARGS...]
set -uo pipefail
linux=${1:?usage: $0 LINUX-PROGRAM WINDOWS-PROGRAM.exe [ARGS...]}
windows=${2:?usage: $0 LINUX-PROGRAM WINDOWS-PROGRAM.exe [ARGS...]}
shift 2
source "$(dirname "$0")/../support/wine.sh"
ensure_wine_prefix || exit 1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$linux" "$@" >"$work/linux" 2>&1
printf -v command '%q ' env -u DISPLAY wine cmd /c "$(windows_path "$windows")" "$@"
# A wide terminal: Wine's console breaks lines at its width, as a real one
# only shows them broken.
script -qec "stty cols 250; $command" /dev/null >"$work/console" </dev/null

# What the terminal got, without Wine's cursor controls and the CRs of
# its line ends; the Linux text with a console's empty lines for its pages.
sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g; s/\r//g' "$work/console" >"$work/seen"
tr '\f' '\n' <"$work/linux" >"$work/expected"
# The help's usage line names the program as started, and Qt on Windows
# also offers "-?" for help.
for f in "$work/seen" "$work/expected"; do
    sed -i '1s/^\([^:]*: *\).* \(\[[^]]*\] \[[^]]*\]\)$/\1PROGRAMM \2/; s/-?, -h, --help/-h, --help/; s/  */ /g' "$f"
done

if ! cmp -s "$work/expected" "$work/seen"; then
    echo "FAIL: the console shows other text than the Linux build writes:" >&2
    diff "$work/expected" "$work/seen" | head -n 10 >&2
    exit 1
fi
echo "velmarit-tabelle $* in a console: as on Linux ($(grep -c '[äöüÄÖÜßéèà„“«»]' "$work/seen") lines with umlauts, accents or quotes)"
