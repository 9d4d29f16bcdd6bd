#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# velmarit-tabelle.exe alone in a console of its own, as after a double click
# in Explorer: Wine gives a program started straight from a terminal such a
# console (script(1) provides the terminal). Instead of tables it must say
# in German what it is for and that the window prints them, and then wait
# until a key is pressed, so the console does not vanish unread.
#
# Usage: tabelle_own_console.sh WINDOWS-PROGRAM.exe
set -uo pipefail
windows=${1:?usage: $0 WINDOWS-PROGRAM.exe}
source "$(dirname "$0")/../support/wine.sh"
ensure_wine_prefix || exit 1

work=$(mktemp -d)
pid=
cleanup() {
    exec 3>&- 2>/dev/null
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The keyboard: whatever is written into the FIFO reaches the console.
mkfifo "$work/keys"
printf -v command '%q ' env -u DISPLAY wine "$windows"
script -qec "stty cols 250; $command" /dev/null <"$work/keys" >"$work/console" 2>&1 &
pid=$!
exec 3>"$work/keys"

# The console draws its text with cursor controls that stand for the blanks;
# the words are compared without any blanks at all.
seen() { sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g; s/\r//g' "$work/console" | tr -d ' \t\n'; }
for ((i = 0; i < 300; i++)); do
    seen | grep -q 'beliebigenTaste' && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
text=$(seen)
for words in 'velmarit-tabelle' 'Eingabeaufforderung' 'velmarit.exestartenundStrg+Pdrücken' \
    'Codiertabellen' 'WeitermiteinerbeliebigenTaste'; do
    [[ $text == *"$words"* ]] || failure "the console does not show \"$words\""
done
# The note, not the tables: those run to hundreds of lines.
lines=$(sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' "$work/console" | grep -c '[[:alnum:]]')
[ "$lines" -lt 15 ] || failure "the console shows $lines lines, more than the note"

sleep 1.5
if kill -0 "$pid" 2>/dev/null; then
    printf 'x' >&3
    for ((i = 0; i < 100; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        failure "still running 10 s after a key was pressed"
    else
        wait "$pid"
        status=$?
        pid=
        [ "$status" -eq 0 ] || failure "ended with status $status after the key"
    fi
else
    failure "ended without waiting for a key"
fi

if [ "$CHECKS_FAILED" -ne 0 ]; then
    sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' "$work/console" | head -n 20 >&2
    exit 1
fi
echo "velmarit-tabelle alone in its console: explained itself in $lines lines and waited for a key"
