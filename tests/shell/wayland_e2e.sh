#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program on a Wayland desktop, under a real compositor (weston, headless
# backend). A Wayland client cannot learn where its window stands, so:
# - with XWayland there the program runs as an X11 client and keeps its
#   position as on any X desktop;
# - on Wayland alone (no XWayland, XWayland not answering, an X server that
#   takes the connection and never answers, or Wayland asked for by the
#   user) it leaves the position file exactly as it was.
# Every run ends by SIGTERM, as at the end of a session, with status 0.
#
# Usage: wayland_e2e.sh PATH-TO-VELMARIT
# Needs weston, xwayland, Qt's Wayland plugin (qt6-wayland) and xdotool.
set -uo pipefail

program=${1:?usage: $0 PATH-TO-VELMARIT}
source "$(dirname "$0")/../support/checks.sh"

for tool in weston Xwayland xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

work=$(mktemp -d)
runtime="$work/runtime"
mkdir -m 700 "$runtime"
app_pid=
weston_pids=()
silent_pid=
cleanup() {
    stop_pid "$app_pid"
    stop_pid "$silent_pid"
    for pid in "${weston_pids[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then
            kill -TERM "$pid" 2>/dev/null
            wait_for_exit "$pid" 50 || kill -KILL "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Starts weston on socket $1 in our own runtime directory; with "xwayland" as
# $2 also its X server, whose display it puts into $xwayland_display.
start_weston() {
    local socket=$1 log="$work/weston-$1.log"
    local extra=()
    [ "${2:-}" = xwayland ] && extra=(--xwayland)
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
        --idle-time=0 --no-config "${extra[@]}" >"$log" 2>&1 &
    weston_pids+=($!)
    wait_for 300 test -S "$runtime/$socket" || fail "weston did not start ($(cat "$log"))"
    if [ "${2:-}" = xwayland ]; then
        listening() { grep -q 'xserver listening on display' "$log"; }
        wait_for 300 listening || fail "weston started no XWayland ($(cat "$log"))"
        xwayland_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | head -n 1)
    fi
}

start_weston velmarit-wl-60
start_weston velmarit-wl-61 xwayland

# A display number no X server answers on, for the fallback case.
dead_display=
for number in 69 68 67 66 65; do
    if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then
        dead_display=":$number"
        break
    fi
done
[ -n "$dead_display" ] || fail "no free display number for the fallback case"

# An X server's TCP port that takes connections and never says a word.
/usr/bin/python3 -c '
import socket, sys, time
for number in range(4911, 5011):
    listener = socket.socket()
    try:
        listener.bind(("127.0.0.1", 6000 + number))
    except OSError:
        continue
    listener.listen(16)
    print(number, flush=True)
    time.sleep(3600)
' >"$work/silent" &
silent_pid=$!
wait_for 100 test -s "$work/silent" || fail "no port for the silent X server"
silent_display="127.0.0.1:$(head -n 1 "$work/silent")"

cp "$program" "$work/velmarit"
ini="$work/Velmarit.ini"
saved='[Position]\r\n 1440 \r\n 720 \r\nold fourth line\r\n'
rewritten='[Position]\r\n 1440 \r\n 720 \r\n'

# Starts the program with the environment given as arguments (NAME=VALUE,
# or "-u NAME"), logging its Wayland requests, and waits until it can take
# a signal and its window is shown, on X11 ("x11") or Wayland ("wayland").
start_program() {
    local expect=$1
    shift
    # A Wayland desktop's session type, which on its own makes Qt choose
    # Wayland.
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CURRENT_DESKTOP \
        -u XDG_SESSION_DESKTOP XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$runtime" \
        QT_FONT_DPI=96 WAYLAND_DEBUG=client "$@" env --default-signal=HUP,TERM "$work/velmarit" >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_for_session_handlers "$app_pid" "$work/velmarit" || fail "the program did not start ($(tail -n 5 "$work/app.log"))"
    case $expect in
    x11)
        on_x11() { [ -n "$(DISPLAY=$xwayland_display xdotool search --onlyvisible --pid "$app_pid")" ]; }
        wait_for 300 on_x11 || fail "no window of the program on the X display $xwayland_display"
        ! grep -q 'xdg_toplevel' "$work/app.log" || fail "the program opened a Wayland window"
        ;;
    wayland)
        # The compositor has configured the window and the program answered.
        mapped() { grep -q 'xdg_surface@[0-9]*\.ack_configure' "$work/app.log"; }
        wait_for 300 mapped || fail "no Wayland window ($(tail -n 5 "$work/app.log"))"
        ;;
    esac
}

end_program() {
    kill -TERM "$app_pid"
    wait_for_exit "$app_pid" 300 ||
        fail "the program did not end on SIGTERM ($(tail -n 5 "$work/app.log"))"
    wait "$app_pid"
    local status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status ($(tail -n 5 "$work/app.log"))"
}

# name | runs on | file before ("none": no file) | file after | environment
cases=(
    "XWayland preferred|x11|$saved|$rewritten|DISPLAY=XWAYLAND WAYLAND_DISPLAY=velmarit-wl-61"
    "Wayland alone keeps the file|wayland|$saved|$saved|WAYLAND_DISPLAY=velmarit-wl-60"
    "Wayland alone writes no file|wayland|none|none|WAYLAND_DISPLAY=velmarit-wl-60"
    "X server not answering|wayland|$saved|$saved|DISPLAY=DEAD WAYLAND_DISPLAY=velmarit-wl-61"
    "X server silent|wayland|$saved|$saved|DISPLAY=SILENT WAYLAND_DISPLAY=velmarit-wl-61"
    "Wayland asked for|wayland|$saved|$saved|QT_QPA_PLATFORM=wayland DISPLAY=XWAYLAND WAYLAND_DISPLAY=velmarit-wl-61"
)
for row in "${cases[@]}"; do
    IFS='|' read -r name runs_on before after environment <<<"$row"
    environment=${environment//XWAYLAND/$xwayland_display}
    environment=${environment//DEAD/$dead_display}
    environment=${environment//SILENT/$silent_display}
    rm -f "$ini"
    [ "$before" = none ] || printf '%b' "$before" >"$ini"
    # shellcheck disable=SC2086 # the environment is a list of words
    start_program "$runs_on" $environment
    end_program
    if [ "$after" = none ]; then
        [ ! -e "$ini" ] || fail "$name: a position file was written"
    else
        expect_file "$ini" "$after" "$name"
    fi
    echo "$name: ran on $runs_on, ended with status 0, position file as expected"
done
echo "Wayland sessions: ok"
