#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Printing through a real print service: a CUPS daemon of this test's own
# (its own configuration, spool and state folders, a Unix socket in a
# temporary folder, CUPS_SERVER pointing there) with a default queue whose
# backend keeps each job as a file. The real window, in its X session,
# prints with Ctrl+P and Return; the job that arrives must hold every row of
# the tables, as velmarit-tabelle --pdf writes them. The machine's own
# printing is neither used nor changed.
#
# Usage: print_e2e.sh PATH-TO-VELMARIT PATH-TO-VELMARIT-PRINT-MODULE PATH-TO-VELMARIT-TABELLE
# Needs cups-daemon, cups-client, poppler-utils and what
# tests/support/xsession.sh needs.
set -uo pipefail

program=${1:?usage: $0 VELMARIT PRINT-MODULE VELMARIT-TABELLE}
module=${2:?usage: $0 VELMARIT PRINT-MODULE VELMARIT-TABELLE}
tabelle=${3:?usage: $0 VELMARIT PRINT-MODULE VELMARIT-TABELLE}

for tool in /usr/sbin/cupsd lpadmin lpstat pdftotext; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

export XSESSION_DISPLAYS=${XSESSION_DISPLAYS:-70 71 72 73 74 75 76 77 78 79}
# shellcheck source=tests/support/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xsession.sh"
xsession_start
work=$XSESSION_DIR

# --- The private print service ---------------------------------------------
cups=$work/cups
jobs=$work/jobs
mkdir -p "$cups"/{spool/tmp,cache,state,log,bin/backend} "$jobs"
# Backends run as user lp: they must reach their program and the job folder.
chmod 755 "$work" "$cups" "$cups/bin" "$cups/bin/backend"
chmod 1777 "$jobs"
for part in /usr/lib/cups/*; do
    [ "$(basename "$part")" = backend ] || ln -s "$part" "$cups/bin/"
done
for part in /usr/lib/cups/backend/*; do ln -s "$part" "$cups/bin/backend/"; done
cat >"$cups/bin/backend/velmarittest" <<'BACKEND'
#!/bin/sh
# Without arguments a backend names the devices it serves; with them it gets
# a job (file $6, or standard input) for the device in DEVICE_URI.
if [ $# -eq 0 ]; then
    echo 'direct velmarittest "Unknown" "Velmarit test: jobs kept as files"'
    exit 0
fi
target=${DEVICE_URI#velmarittest:}
if [ -n "${6:-}" ]; then cat "$6"; else cat; fi >"$target/job-$1.part" &&
    mv "$target/job-$1.part" "$target/job-$1.pdf"
BACKEND
chmod 755 "$cups/bin/backend/velmarittest"

cat >"$cups/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$cups/cups-files.conf" <<CONF
ServerRoot $cups
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
ServerBin $cups/bin
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
SystemGroup root
CONF

/usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" >"$cups/log/cupsd.out" 2>&1 &
cupsd_pid=$!
xsession_at_exit "kill $cupsd_pid; wait $cupsd_pid"
export CUPS_SERVER=$cups/cups.sock
xsession_wait_for 100 lpstat -r ||
    xsession_fail "the test's CUPS did not start ($(cat "$cups/log/cupsd.out" "$cups/log/error_log" 2>/dev/null | tail -n 5))"
# The scheduler may answer before it takes changes: set up the queue until
# it is there.
add_queue() {
    lpadmin -p velmarit-test -E -v "velmarittest:$jobs" -m raw 2>"$work/lpadmin.log" &&
        lpadmin -d velmarit-test 2>>"$work/lpadmin.log" &&
        [ "$(lpstat -d 2>&1)" = "system default destination: velmarit-test" ]
}
xsession_wait_for 100 add_queue ||
    xsession_fail "no default queue: $(cat "$work/lpadmin.log"; lpstat -d 2>&1; tail -n 5 "$cups/log/error_log" 2>/dev/null)"

# --- The window prints ------------------------------------------------------
cp "$program" "$module" "$work/"
mkdir -p "$work/home"
# A home of its own: no lpoptions or settings of the machine's user.
env -u QT_QPA_PLATFORM HOME="$work/home" QT_FONT_DPI=96 "$work/velmarit" >"$work/app.log" 2>&1 &
app_pid=$!
xsession_at_exit "kill $app_pid; wait $app_pid"
window=$(xsession_wait_window --pid "$app_pid" --timeout 300) ||
    xsession_fail "the program's window did not appear ($(cat "$work/app.log"))"
xdotool windowactivate --sync "$window" >/dev/null 2>&1
xsession_wait_for 50 xsession_window_is_active "$window" || xsession_fail "the window never became active"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
printing_maps() { grep -q libQt6PrintSupport "/proc/$app_pid/maps"; }
printing_maps && xsession_fail "Qt's print support was loaded before the user printed"
grep -q libcups "/proc/$app_pid/maps" && xsession_fail "CUPS was loaded before the user printed"

start=$(now_ms)
xdotool key --clearmodifiers ctrl+p
dialog=$(xsession_wait_window --name '^Drucken$' --timeout 300) ||
    xsession_fail "Ctrl+P opened no print dialog named \"Drucken\" ($(tail -n 5 "$work/app.log"))"
echo "Ctrl+P to the print dialog: $(($(now_ms) - start)) ms"
printing_maps || xsession_fail "the print dialog is open but Qt's print support is not loaded?"
# The dialog offers the test's queue as the printer; Return prints.
sleep 0.5
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key --clearmodifiers Return

job=
for _ in $(seq 600); do
    job=$(ls "$jobs"/job-*.pdf 2>/dev/null | head -n 1)
    [ -n "$job" ] && break
    sleep 0.1
done
[ -n "$job" ] || xsession_fail "no job reached the print service ($(lpstat -o 2>&1; tail -n 5 "$cups/log/error_log" 2>/dev/null))"
echo "job: $(basename "$job"), $(stat -c %s "$job") bytes, $(pdfinfo "$job" | awk '/^Pages:/ { print $2 }') pages"

# Every row, as the command-line program writes it; only the program line
# at the top of each page names its own program.
"$tabelle" --pdf "$work/tabelle.pdf" || xsession_fail "velmarit-tabelle --pdf failed"
normalise() { pdftotext "$1" - | sed -E 's/(velmarit-tabelle|Velmarit) 2\.0\.3/PROGRAMM/'; }
if ! diff <(normalise "$work/tabelle.pdf") <(normalise "$job") >"$work/text.diff"; then
    xsession_fail "the printed job's text differs from velmarit-tabelle's: $(head -n 20 "$work/text.diff")"
fi
# The window is still there and usable after printing.
xsession_pid_alive "$app_pid" || xsession_fail "the program ended while printing ($(cat "$work/app.log"))"
echo "print e2e: ok"
