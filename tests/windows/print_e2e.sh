#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Printing from velmarit.exe as a Windows user meets it, under Wine in a real
# X session: the right-click menu opens on the window background; its "Als
# PDF speichern…" writes the tables through Windows' own file dialog into a
# folder whose name has a blank and an umlaut, and the PDF's text layer holds
# every row velmarit-tabelle writes; Ctrl+P opens the print dialog, offering
# the printer of a CUPS daemon of the test's own (Wine hands CUPS printers to
# Windows programs), and cancelling it prints nothing and gives the window
# back as it was: the only one, active, in its place, the turnout box with
# its address and the keyboard, its result unchanged.
#
# Usage: print_e2e.sh Velmarit-<version>-win64.zip LINUX-VELMARIT-TABELLE VERSION
# VERSION is the one the build gave the programs.
set -uo pipefail

usage="usage: $0 ZIP LINUX-VELMARIT-TABELLE VERSION"
zip=${1:?$usage}
tabelle=${2:?$usage}
version=${3:?$usage}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/wine.sh"
ensure_wine_prefix || exit 1

source "$here/../support/xsession.sh"
source "$here/../support/cups.sh"
xsession_start
work="$XSESSION_DIR/work"
folder="$work/Jürgen Müller/Modellbahn/Velmarit"
documents="$work/Eigene Dateien/Gleispläne"
mkdir -p "$folder" "$documents"
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    wineserver -k 2>/dev/null
}
xsession_at_exit cleanup
privatecups_start "$work"

# Wine learns of CUPS's printers when its server starts, and its desktop
# belongs to the display it was started on.
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
(cd "$folder" && cmake -E tar xf "$zip") || fail "could not unpack $zip"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
(cd "$folder" && exec wine "$folder/velmarit.exe") >"$work/app.log" 2>&1 &
app_pid=$!
window=$(xsession_wait_window --name '^ Velmarit für märklin-Digital$' --timeout 300) ||
    fail "the window did not appear ($(cat "$work/app.log"))"
sleep 1
xdotool windowactivate --sync "$window" >/dev/null 2>&1

corner() { xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }'; }
# A piece of the screen as text (ImageMagick), for comparing.
screen_at() { import -window root -crop "$3x$4+$1+$2" +repage txt:- 2>/dev/null | tail -n +2 | awk '{ print $3 }' | md5sum; }
read -r x y <<<"$(corner)"
wait_window() { xsession_wait_window --name "$1" --timeout "${2:-300}"; }
window_gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# --- the context menu on the background (client 600,250; the menu opens to
# its lower right, over and beyond the window's edge).
menu_area=($((x + 605)) $((y + 255)) 150 60)
before=$(screen_at "${menu_area[@]}")
xdotool mousemove --window "$window" 600 250 click 3
sleep 1.5
check "a right click on the background opens a menu" test "$(screen_at "${menu_area[@]}")" != "$before"

# Its third entry is "Als PDF speichern…": Windows' file dialog of that title.
xdotool key Down Down Down Return
dialog=$(wait_window '^Als PDF speichern$') || dialog=
check "the menu's third entry opens the file dialog 'Als PDF speichern'" test -n "$dialog"
target="$documents/Velmarit-Codiertabellen.pdf"
# Puts the file name in and presses Return, until the file is there. On a
# loaded machine keys can reach the dialog before its name field is ready;
# Windows then names the wrong path in a box of its own, which is closed
# before the next try.
save_through_dialog() {
    local attempt active
    for ((attempt = 1; attempt <= 3; attempt++)); do
        xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
        wait_for 100 xsession_window_is_active "$dialog" || continue
        sleep 1
        # The name goes in through the clipboard: typed keys for umlauts
        # are remapped on the fly, which a loaded Wine can read too late.
        printf '%s' "$(windows_path "$target")" | xclip -selection clipboard -i
        xdotool key End shift+Home Delete ctrl+v
        sleep 0.5
        started=$(now_ms)
        xdotool key Return
        wait_for 150 test -s "$target" && return 0
        xsession_window_gone "$dialog" "" && return 1
        active=$(xdotool getactivewindow 2>/dev/null)
        [ -n "$active" ] && [ "$active" != "$dialog" ] && xdotool key Return
        echo "      try $attempt: no file; typing the name again" >&2
    done
    return 1
}
if [ -n "$dialog" ] && save_through_dialog; then
    echo "file dialog answered to a written PDF: $(($(now_ms) - started)) ms (information)"
fi
check "the PDF is written into '$(basename "$(dirname "$documents")")/$(basename "$documents")'" test -s "$target"

# Every row, as the command-line program writes it; only the program line at
# the top of each page names its own program.
"$tabelle" --pdf "$work/tabelle.pdf" || fail "velmarit-tabelle --pdf failed"
text_layer() { pdftotext -layout "$1" - 2>/dev/null | sed -E "s/(velmarit-tabelle|Velmarit) ${version//./\\.}\$/PROGRAMM/; s/ +/ /g"; }
rows_match() {
    diff <(text_layer "$work/tabelle.pdf") <(text_layer "$target") >"$work/text.diff" && return 0
    head -n 10 "$work/text.diff" >&2
    return 1
}
check "its text layer holds every row of velmarit-tabelle's ($(pdfinfo "$target" 2>/dev/null | awk '/^Pages:/ { print $2 }') pages)" rows_match

# --- Ctrl+P from the turnout box (client 488,396), with an address in it
# and its switches in the result label below (488,434, 99 x 21): the print
# dialog, cancelled.
pdf_before=$(md5sum <"$target")
xdotool windowactivate --sync "$window" >/dev/null 2>&1
sleep 0.5
xdotool mousemove --window "$window" 511 408 click 1
sleep 0.3
xdotool type --delay 100 "256"
sleep 0.5
result_label=($((x + 488)) $((y + 434)) 99 21)
corner_before=$(corner)
started=$(now_ms)
xdotool key --clearmodifiers ctrl+p
# Wine's own dialog texts follow the prefix's language; German Windows says "Drucken".
print_dialog=$(wait_window '^(Print|Drucken)$') || print_dialog=
[ -n "$print_dialog" ] && echo "Ctrl+P to the print dialog: $(($(now_ms) - started)) ms (information)"
check "Ctrl+P opens the print dialog" test -n "$print_dialog"
wine_has_printer() { wine reg query 'HKLM\System\CurrentControlSet\Control\Print\Printers\velmarit-test' >/dev/null 2>&1; }
check "Windows' printers include the print service's queue" wine_has_printer
if [ -n "$print_dialog" ]; then
    xdotool windowactivate --sync "$print_dialog" >/dev/null 2>&1
    xdotool key Escape
    wait_for 100 window_gone '^(Print|Drucken)$'
    check "cancelling closes it" window_gone '^(Print|Drucken)$'
fi
sleep 2
check "cancelling prints nothing" test -z "$(ls "$PRIVATECUPS_JOBS")"
check "the program is still running" pid_alive "$app_pid"
# What the user goes on with: no window but Velmarit's left on the desktop,
# Velmarit's the active one, in its place, the address still in the box that
# has the keyboard, and its result unchanged.
only_velmarit() {
    local id _
    while read -r id _; do
        [ $((id)) -eq "$window" ] || return 1
    done < <(wmctrl -l)
}
check "no dialog is left: Velmarit's is the only window ($(wmctrl -l | cut -d' ' -f5- | tr '\n' '|'))" only_velmarit
check "Velmarit's window is the active one again" wait_for 50 xsession_window_is_active "$window"
check "the window is where it was ($corner_before)" test "$(corner)" = "$corner_before"
# The box's text through the clipboard: select all and copy, as a user would.
box_text() {
    printf 'leer' | xclip -selection clipboard -i
    xdotool key --clearmodifiers ctrl+a ctrl+c
    wait_for 30 bash -c '[ "$(xclip -o -selection clipboard 2>/dev/null)" != leer ]'
    xclip -o -selection clipboard 2>/dev/null
}
typed=$(box_text)
check "the turnout box keeps the keyboard and its '256' (copied '$typed')" test "$typed" = 256
# The result shown is the one for 256: typing the address again over the
# selection redraws the same switches. Both pictures are of the window as it
# is after the dialog, whatever the dialog did to the screen around it.
shown=$(screen_at "${result_label[@]}")
xdotool type --delay 100 "256"
sleep 0.5
check "the switches of address 256 are still shown below it" test "$(screen_at "${result_label[@]}")" = "$shown"
check "the saved PDF is unchanged" test "$(md5sum <"$target")" = "$pdf_before"

check "Alt+F4 closes the window" xsession_close_window "$window" "$app_pid"
kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null
app_pid=

checks_done "printing under Wine"
