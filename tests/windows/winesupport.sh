# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the Windows tests: one Wine prefix for the build tree, made on
# first use. Source it, then call ensure_wine_prefix.
# shellcheck shell=bash

export WINEDEBUG=${WINEDEBUG:--all}
# Wine turns Linux file names into Windows ones through the locale's
# character set: in the C locale a folder named "Jürgen Müller" is lost.
export LC_ALL=C.UTF-8
# No prompts to download Mono or Gecko: Velmarit needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

ensure_wine_prefix() {
    : "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
    export WINEPREFIX
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.velmarit-ready" ]; then
            rm -rf "$WINEPREFIX"
            echo "velmarit: making the Wine prefix $WINEPREFIX (once)" >&2
            env -u DISPLAY wine wineboot -i >/dev/null 2>&1 || true
            wineserver -w
            [ -f "$WINEPREFIX/system.reg" ] && touch "$WINEPREFIX/.velmarit-ready"
        fi
        # Wine links the profile's Desktop, Documents and the like to the
        # Linux home: a shortcut the installer puts on the desktop would land
        # in the tester's home folder. Folders of the prefix's own instead.
        local link
        for link in "$WINEPREFIX/drive_c/users/$(id -un)"/*; do
            if [ -L "$link" ]; then
                rm -f "$link" && mkdir -p "$link"
            fi
        done
    ) 9>"$WINEPREFIX.lock"
    [ -f "$WINEPREFIX/.velmarit-ready" ] || {
        echo "velmarit: could not make the Wine prefix $WINEPREFIX" >&2
        return 1
    }
}

# A Windows path for a Linux one, as the program itself sees it.
windows_path() {
    wine winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# Named checks, for the end-to-end tests: each prints "ok" or "FAIL" and its
# name, and the test goes on to its next check; die ends the test at once,
# where nothing after a failure could be checked; checks_done prints the
# count under a title and fails when any check failed.
checks_passed=0
checks_failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok    $what"
        checks_passed=$((checks_passed + 1))
    else
        echo "FAIL  $what"
        checks_failed=$((checks_failed + 1))
    fi
}
die() {
    echo "FAIL  $*"
    exit 1
}
checks_done() {
    echo "$1: $checks_passed passed, $checks_failed failed"
    [ "$checks_failed" -eq 0 ]
}

# Closes the program under test the way a user does (see xsession.sh) and
# returns its exit status; a program that would not close is ended and
# counts as a failure. Works on the test's $window and $app_pid.
close_program() {
    xsession_close_window "$window" "$app_pid" || {
        kill "$app_pid" 2>/dev/null
        app_pid=
        return 1
    }
    wait "$app_pid"
    local status=$?
    app_pid=
    return "$status"
}
