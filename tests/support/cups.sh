# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A CUPS daemon of a test's own, for tests that print through a real print
# service without using or changing the machine's: its own configuration,
# spool and state folders under a folder the test owns, a Unix socket there
# with CUPS_SERVER pointing at it, and a default queue "velmarit-test" whose
# backend keeps each job as a file job-<id>.pdf in PRIVATECUPS_JOBS.
#
# Source tests/support/xsession.sh first (the daemon is stopped by one of
# its exit hooks), then call `privatecups_start DIR`. Needs cups-daemon and
# cups-client.
# shellcheck shell=bash

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

privatecups_start() {
    local cups=$1/cups part
    PRIVATECUPS_JOBS=$1/jobs
    command -v /usr/sbin/cupsd lpadmin lpstat >/dev/null ||
        fail "cups-daemon and cups-client are needed"
    mkdir -p "$cups"/{spool/tmp,cache,state,log,bin/backend} "$PRIVATECUPS_JOBS"
    # Backends run as user lp: they must reach their program and the job folder.
    chmod 755 "$1" "$cups" "$cups/bin" "$cups/bin/backend"
    chmod 1777 "$PRIVATECUPS_JOBS"
    for part in /usr/lib/cups/*; do
        [ "$(basename "$part")" = backend ] || ln -sf "$part" "$cups/bin/"
    done
    for part in /usr/lib/cups/backend/*; do ln -sf "$part" "$cups/bin/backend/"; done
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
    PRIVATECUPS_PID=$!
    xsession_at_exit "kill $PRIVATECUPS_PID; wait $PRIVATECUPS_PID"
    export CUPS_SERVER=$cups/cups.sock
    wait_for 100 lpstat -r ||
        fail "the test's CUPS did not start ($(cat "$cups/log/cupsd.out" "$cups/log/error_log" 2>/dev/null | tail -n 5))"
    # The scheduler may answer before it takes changes: set up the queue
    # until it is there.
    privatecups_add_queue() {
        lpadmin -p velmarit-test -E -v "velmarittest:$PRIVATECUPS_JOBS" -m raw 2>"$1/lpadmin.log" &&
            lpadmin -d velmarit-test 2>>"$1/lpadmin.log" &&
            [ "$(LC_ALL=C.UTF-8 lpstat -d 2>&1)" = "system default destination: velmarit-test" ]
    }
    wait_for 100 privatecups_add_queue "$1" ||
        fail "no default queue: $(cat "$1/lpadmin.log"; lpstat -d 2>&1; tail -n 5 "$cups/log/error_log" 2>/dev/null)"
}

# The first job that arrives, within about a minute; prints its path.
privatecups_wait_job() {
    local job _
    for _ in $(seq 600); do
        job=$(ls "$PRIVATECUPS_JOBS"/job-*.pdf 2>/dev/null | head -n 1)
        [ -n "$job" ] && { echo "$job"; return 0; }
        sleep 0.1
    done
    return 1
}
