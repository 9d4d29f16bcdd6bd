# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash

# A throw-away X session for end-to-end tests: an Xvfb of its own, openbox
# kept alive in a respawn loop, helpers to find and close a program's window,
# and clean-up of everything on exit. Source it, then call xsession_start.
#
#   source "$(dirname "$0")/../support/xsession.sh"
#   xsession_start                      # exports DISPLAY, sets XSESSION_DIR
#   myprogram & app_pid=$!
#   xsession_at_exit "kill $app_pid"    # runs before the session goes away
#   window=$(xsession_wait_window --pid "$app_pid") || fail "no window"
#   close_program || fail "did not close"
#
# A test whose checks depend on where the window manager put a window runs
# them as a scenario, `xsession_run my_checks`, which reruns them when openbox
# had to be restarted meanwhile.
#
# XSESSION_SCREEN sets the Xvfb screen (default 1280x1024x24). The display
# number is the X server's choice, a free one, so that sessions started at
# the same time never compete for a number.
#
# Needs Xvfb, openbox, x11-utils (xdpyinfo, xprop, xwininfo), xdotool, wmctrl.
#
# Why the care: openbox announces itself (_NET_SUPPORTING_WM_CHECK) a moment
# before it manages windows, and a window mapped in that moment can stay
# unmapped for good; and under heavy load openbox can die (an X I/O error),
# after which Alt+F4 no longer closes anything and a test would blame the
# program. So the session waits a little after the announcement, restarts
# openbox whenever it ends (the new one re-manages the existing windows), and
# a close is tried again, with _NET_CLOSE_WINDOW as a second way.

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

XSESSION_DIR=
XSESSION_XVFB_PID=
XSESSION_WM_PID=
XSESSION_EXIT_HOOKS=()

# What a failure adds to its message once the session runs.
xsession_diagnose() {
    [ -n "$XSESSION_DIR" ] && [ -e "$XSESSION_DIR/openbox.log" ] || return 0
    echo "openbox restarts: $(xsession_wm_restarts); its log:"
    tail -n 20 "$XSESSION_DIR/openbox.log"
}
CHECKS_DIAGNOSTICS+=(xsession_diagnose)

# Runs a command when the session is torn down (last added runs first), for
# example to stop the program under test before its X server goes away.
xsession_at_exit() {
    XSESSION_EXIT_HOOKS+=("$1")
}

xsession_run_exit_hooks() {
    local i
    for ((i = ${#XSESSION_EXIT_HOOKS[@]} - 1; i >= 0; i--)); do
        eval "${XSESSION_EXIT_HOOKS[i]}" >/dev/null 2>&1 || true
    done
    XSESSION_EXIT_HOOKS=()
}

xsession_stop() {
    trap - EXIT
    xsession_run_exit_hooks
    # Stop the respawn loop first, or it would start another openbox.
    if [ -n "$XSESSION_WM_PID" ]; then
        kill "$XSESSION_WM_PID" 2>/dev/null
        wait "$XSESSION_WM_PID" 2>/dev/null
        kill -- "-$XSESSION_WM_PID" 2>/dev/null
        XSESSION_WM_PID=
    fi
    if [ -n "$XSESSION_XVFB_PID" ]; then
        kill "$XSESSION_XVFB_PID" 2>/dev/null
        wait "$XSESSION_XVFB_PID" 2>/dev/null
        XSESSION_XVFB_PID=
    fi
    [ -n "$XSESSION_DIR" ] && rm -rf "$XSESSION_DIR"
    XSESSION_DIR=
}

# The window id in the root's _NET_SUPPORTING_WM_CHECK, if that window still
# exists: a dead openbox leaves the property behind.
xsession_wm_check_window() {
    local id
    id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ { print $NF }')
    [ -n "$id" ] && xwininfo -id "$id" >/dev/null 2>&1 && echo "$id"
}

# openbox has announced itself at least half a second ago: only then does a
# newly mapped window get managed for sure. The same window id may come back
# after a restart, so the restart count is part of what was seen.
XSESSION_WM_SEEN=
XSESSION_WM_SEEN_AT=0
xsession_wm_settled() {
    local id now
    id=$(xsession_wm_check_window) || return 1
    id="$(xsession_wm_restarts):$id"
    now=$(date +%s%N)
    if [ "$id" != "$XSESSION_WM_SEEN" ]; then
        XSESSION_WM_SEEN=$id
        XSESSION_WM_SEEN_AT=$now
        return 1
    fi
    ((now - XSESSION_WM_SEEN_AT >= 500000000))
}

xsession_start() {
    local tool number
    for tool in Xvfb openbox xdpyinfo xprop xwininfo xdotool wmctrl setsid; do
        command -v "$tool" >/dev/null || fail "$tool is not installed"
    done

    XSESSION_DIR=$(mktemp -d)
    trap xsession_stop EXIT
    # A signal (ctest's timeout, Ctrl+C) ends the script through its EXIT trap.
    trap 'exit 143' TERM HUP
    trap 'exit 130' INT

    # Xvfb picks a display nobody uses and tells its number through
    # -displayfd once it listens: no ranges to split between tests that run
    # at the same time, and no lock file to race for.
    # -noreset: by default the server resets when its last client leaves,
    # and a client connecting during the reset is turned away.
    mkfifo "$XSESSION_DIR/displayfd"
    Xvfb -displayfd 3 -screen 0 "${XSESSION_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
        3>"$XSESSION_DIR/displayfd" >"$XSESSION_DIR/xvfb.log" 2>&1 &
    XSESSION_XVFB_PID=$!
    # The fifo opens once Xvfb has it open for writing; it gives the number,
    # or nothing when the server ends first. A server that never answers
    # is given up after 30 s.
    number=$(timeout 30 head -n 1 "$XSESSION_DIR/displayfd") || number=
    if [ -z "$number" ] || ! kill -0 "$XSESSION_XVFB_PID" 2>/dev/null ||
        ! wait_for 100 xdpyinfo -display ":$number"; then
        kill "$XSESSION_XVFB_PID" 2>/dev/null
        wait "$XSESSION_XVFB_PID" 2>/dev/null
        XSESSION_XVFB_PID=
        fail "no X server could be started ($(cat "$XSESSION_DIR/xvfb.log"))"
    fi
    export DISPLAY=":$number"

    # The loop ends its openbox and reaps it when told to stop; setsid gives
    # it a process group of its own as a fallback for clean-up.
    # shellcheck disable=SC2016
    setsid bash -c '
        wm=
        trap '\''[ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm"; exit 0'\'' TERM
        while :; do
            openbox --sm-disable &
            wm=$!
            wait "$wm"
            echo "openbox ended: $?"
            wm=
            sleep 0.2
        done' >"$XSESSION_DIR/openbox.log" 2>&1 </dev/null &
    XSESSION_WM_PID=$!
    wait_for 200 xsession_wm_settled ||
        fail "openbox did not start ($(cat "$XSESSION_DIR/openbox.log"))"
}

# How often openbox had to be restarted so far (for a test's log).
xsession_wm_restarts() {
    grep -c '^openbox ended' "$XSESSION_DIR/openbox.log" 2>/dev/null || true
}

xsession_window_managed() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
}

# Waits until a visible window of a process (--pid PID) or with a title
# matching a regular expression (--name REGEX) is there and managed by the
# window manager, and prints its id. Fails at once when the process ends
# first. --timeout takes tenths of a second (default 150).
xsession_wait_window() {
    local pid='' name='' tenths=150 window='' i
    while [ $# -gt 0 ]; do
        case $1 in
            --pid) pid=$2; shift 2 ;;
            --name) name=$2; shift 2 ;;
            --timeout) tenths=$2; shift 2 ;;
            *) echo "xsession_wait_window: unknown argument $1" >&2; return 2 ;;
        esac
    done
    for ((i = 0; i < tenths; i++)); do
        if [ -n "$pid" ]; then
            window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
        else
            window=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1)
        fi
        if [ -n "$window" ] && xsession_window_managed "$window"; then
            echo "$window"
            return 0
        fi
        if [ -n "$pid" ] && ! pid_alive "$pid"; then
            return 1
        fi
        sleep 0.1
    done
    return 1
}

xsession_window_is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

xsession_window_gone() {
    local window=$1 pid=$2
    if [ -n "$pid" ]; then
        ! pid_alive "$pid"
    else
        ! xwininfo -id "$window" 2>/dev/null | grep -q 'IsViewable'
    fi
}

# Closes a window the way a user does, through the window manager: makes it
# the active window, then Alt+F4 (sent with XTEST, as a keyboard would).
# When that does not close it, _NET_CLOSE_WINDOW asks the window manager for
# the same WM_DELETE_WINDOW close; both are tried again a few times, for
# openbox may be restarting. With a PID, the close counts once the process has
# ended (reap it with `wait`), else once the window is no longer viewable.
# Returns non-zero if it could not be closed.
xsession_close_window() {
    local window=$1 pid=${2:-} attempt
    for ((attempt = 0; attempt < 3; attempt++)); do
        xsession_window_gone "$window" "$pid" && return 0
        wait_for 50 xsession_wm_settled
        xdotool windowactivate "$window" >/dev/null 2>&1
        if wait_for 50 xsession_window_is_active "$window"; then
            xdotool key --clearmodifiers alt+F4
            wait_for 50 xsession_window_gone "$window" "$pid" && return 0
        fi
        wmctrl -i -c "$window" >/dev/null 2>&1
        wait_for 50 xsession_window_gone "$window" "$pid" && return 0
    done
    xsession_window_gone "$window" "$pid"
}

# Runs a test scenario (a command, usually a function) in a subshell; exit
# hooks it adds run when it ends. A restarted openbox takes over the windows
# but places each anew (offset by its frame), so a scenario that fails while
# openbox was restarted is run again, up to three times in all: a fault of
# the program fails again in a run without a restart.
xsession_run() {
    local attempt restarts status=1
    for ((attempt = 1; attempt <= 3; attempt++)); do
        wait_for 200 xsession_wm_settled
        restarts=$(xsession_wm_restarts)
        (
            XSESSION_EXIT_HOOKS=()
            trap xsession_run_exit_hooks EXIT
            trap 'exit 143' TERM HUP
            "$@"
        )
        status=$?
        [ "$status" -eq 0 ] && return 0
        [ "$(xsession_wm_restarts)" = "$restarts" ] && return "$status"
        echo "openbox was restarted during attempt $attempt; running the scenario again" >&2
    done
    return "$status"
}

# Closes the test's program ($window, $app_pid) as a user does, through the
# window manager, and returns its exit status. A program that would not
# close is ended; that returns 125 and says so.
close_program() {
    local status
    if ! xsession_close_window "$window" "$app_pid"; then
        echo "the window did not close through the window manager (openbox restarts: $(xsession_wm_restarts))" >&2
        kill "$app_pid" 2>/dev/null
        wait "$app_pid" 2>/dev/null
        app_pid=
        return 125
    fi
    wait "$app_pid"
    status=$?
    app_pid=
    return "$status"
}
