#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's window read by a real AT-SPI client (pyatspi), as a screen
# reader reads it: in an X session of its own, with a session bus of its own,
# in the language LOCALE asks for (LANG=LOCALE; German by default), whose
# texts are LANG (de, en, ...).
#
# Usage: screenreader_e2e.sh PATH-TO-VELMARIT [LANG LOCALE]
# Needs what tests/support/xsession.sh needs, dbus, at-spi2-core and
# python3-pyatspi (for Debian's /usr/bin/python3).
set -uo pipefail

program=${1:?usage: $0 PATH-TO-VELMARIT [LANG LOCALE]}
lang=${2:-de}
locale=${3:-C.UTF-8}
here=$(cd "$(dirname "$0")" && pwd)

# Inside the session bus: the X session, the program, the reader.
if [ -z "${VELMARIT_IN_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "FAIL: dbus-run-session is not installed" >&2; exit 1; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "FAIL: python3-pyatspi is not installed" >&2; exit 1; }
    # A runtime folder of its own: without one the accessibility bus keeps its
    # socket in the home folder, where another test run's bus replaces it.
    runtime=$(mktemp -d)
    exec env VELMARIT_IN_BUS=1 XDG_RUNTIME_DIR="$runtime" dbus-run-session -- bash "$0" "$@"
fi

source "$here/../support/xsession.sh"
xsession_start
xsession_at_exit "rm -rf '$XDG_RUNTIME_DIR'"

cp "$program" "$XSESSION_DIR/velmarit"
env -u QT_QPA_PLATFORM LANG="$locale" QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_FONT_DPI=96 "$XSESSION_DIR/velmarit" >"$XSESSION_DIR/app.log" 2>&1 &
app_pid=$!
xsession_at_exit "kill $app_pid; wait $app_pid"
window=$(xsession_wait_window --pid "$app_pid" --timeout 300) ||
    fail "the program's window did not appear ($(cat "$XSESSION_DIR/app.log"))"

/usr/bin/python3 "$here/screenreader_atspi.py" "$app_pid" "$lang" ||
    fail "the window read over AT-SPI differs (program log: $(tail -n 5 "$XSESSION_DIR/app.log"))"
/usr/bin/python3 "$here/contextmenu_atspi.py" "$app_pid" "$window" "$lang" ||
    fail "the context menu read over AT-SPI differs (program log: $(tail -n 5 "$XSESSION_DIR/app.log"))"
