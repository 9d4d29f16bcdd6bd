#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# velmarit.exe for a Windows user whose display language is LANG's, under
# Wine in a real X session (Wine takes the user's language from the locale
# it runs in, VELMARIT_TEST_LOCALE): the window's title is that language's,
# its context menu's "save as PDF" opens Windows' file dialog under that
# language's title, and the window, as a user sees it, goes to SCREENSHOT.
#
# Usage: language_e2e.sh Velmarit-<version>-win64.zip LANG SCREENSHOT.png
set -uo pipefail

usage="usage: $0 ZIP LANG SCREENSHOT"
zip=${1:?$usage}
lang=${2:?$usage}
screenshot=${3:?$usage}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/wine.sh"
ensure_wine_prefix || exit 1
source "$here/../support/xsession.sh"
xsession_start
work="$XSESSION_DIR/work"
folder="$work/Programme/Velmarit"
mkdir -p "$folder"
app_pid=
xsession_at_exit "wineserver -k"

# What the window of that language is called, from the texts it was built
# from.
said() {
    /usr/bin/python3 "$here/readback.py" text "$here/../../texts" "$lang" "$1"
}
title=$(said window.title)
save=$(said printing.savePdf)

# Wine's desktop belongs to the display its server was started on.
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
(cd "$folder" && cmake -E tar xf "$zip") || fail "could not unpack $zip"
(cd "$folder" && exec wine "$folder/velmarit.exe") >"$work/app.log" 2>&1 &
app_pid=$!
window=$(xsession_wait_window --name "^${title}\$" --timeout 300) ||
    fail "no window named '$title' under $LC_ALL ($(cat "$work/app.log"))"
echo "ok    the window is called '$title' under $LC_ALL"
sleep 1
import -window "$window" "$screenshot" 2>/dev/null || fail "no screenshot of the window"

xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool mousemove --window "$window" 600 250 click 3
sleep 1.5
xdotool key Down Down Down Return
dialog=$(xsession_wait_window --name "^${save}\$" --timeout 120) ||
    fail "the menu's third entry opened no file dialog named '$save'"
echo "ok    the menu's third entry opens Windows' file dialog '$save'"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key Escape
wait_for 100 xsession_window_gone "$dialog" "" || fail "the file dialog did not close"
close_program || fail "velmarit.exe did not close"
