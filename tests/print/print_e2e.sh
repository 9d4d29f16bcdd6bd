#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Printing through a real print service: a CUPS daemon of this test's own
# (its own configuration, spool and state folders, a Unix socket in a
# temporary folder, CUPS_SERVER pointing there) with a default queue whose
# backend keeps each job as a file. The real window, copied alone into a
# folder of its own as a user may copy it, prints in its X session with
# Ctrl+P and Return; the job that arrives must hold every row of the tables,
# as velmarit-tabelle --pdf writes them. The machine's own printing is
# neither used nor changed.
#
# Usage: print_e2e.sh PATH-TO-VELMARIT PATH-TO-VELMARIT-TABELLE VERSION
# VERSION is the one the build gave both programs.
# Needs cups-daemon, cups-client, poppler-utils and what
# tests/support/xsession.sh needs.
set -uo pipefail

usage="usage: $0 VELMARIT VELMARIT-TABELLE VERSION"
program=${1:?$usage}
tabelle=${2:?$usage}
version=${3:?$usage}

for tool in pdftotext; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

# shellcheck source=tests/support/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
xsession_start
work=$XSESSION_DIR

# --- The private print service ---------------------------------------------
# shellcheck source=tests/support/cups.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/cups.sh"
privatecups_start "$work"

# --- The window prints ------------------------------------------------------
mkdir -p "$work/program"
cp "$program" "$work/program/"
mkdir -p "$work/home"
# A home of its own: no lpoptions or settings of the machine's user.
env -u QT_QPA_PLATFORM HOME="$work/home" QT_FONT_DPI=96 "$work/program/velmarit" >"$work/app.log" 2>&1 &
app_pid=$!
xsession_at_exit "kill $app_pid; wait $app_pid"
window=$(xsession_wait_window --pid "$app_pid" --timeout 300) ||
    fail "the program's window did not appear ($(cat "$work/app.log"))"
xdotool windowactivate --sync "$window" >/dev/null 2>&1
wait_for 50 xsession_window_is_active "$window" || fail "the window never became active"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
cups_maps() { grep -q libcups "/proc/$app_pid/maps"; }
cups_maps && fail "CUPS was loaded before the user printed"

start=$(now_ms)
xdotool key --clearmodifiers ctrl+p
dialog=$(xsession_wait_window --name '^Drucken$' --timeout 300) ||
    fail "Ctrl+P opened no print dialog named \"Drucken\" ($(tail -n 5 "$work/app.log"))"
echo "Ctrl+P to the print dialog: $(($(now_ms) - start)) ms"
cups_maps || fail "the print dialog is open but CUPS is not loaded?"
# The dialog offers the test's queue as the printer; Return prints.
sleep 0.5
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key --clearmodifiers Return

job=$(privatecups_wait_job)
[ -n "$job" ] || fail "no job reached the print service ($(lpstat -o 2>&1; tail -n 5 "$work/cups/log/error_log" 2>/dev/null))"
echo "job: $(basename "$job"), $(stat -c %s "$job") bytes, $(pdfinfo "$job" | awk '/^Pages:/ { print $2 }') pages"

# Every row, as the command-line program writes it; only the program line
# at the top of each page names its own program.
"$tabelle" --pdf "$work/tabelle.pdf" || fail "velmarit-tabelle --pdf failed"
normalise() { pdftotext "$1" - | sed -E "s/(velmarit-tabelle|Velmarit) ${version//./\\.}/PROGRAMM/"; }
if ! diff <(normalise "$work/tabelle.pdf") <(normalise "$job") >"$work/text.diff"; then
    fail "the printed job's text differs from velmarit-tabelle's: $(head -n 20 "$work/text.diff")"
fi
# The window is still there and usable after printing.
pid_alive "$app_pid" || fail "the program ended while printing ($(cat "$work/app.log"))"
echo "print e2e: ok"
