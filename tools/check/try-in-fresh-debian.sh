#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one of the README's commands as a new user would: on a fresh Debian 12
# with nothing but git, in a clone of this tree's committed state in a
# folder whose path has a blank and an umlaut.
#
#   sudo tools/check/try-in-fresh-debian.sh run|test|package|web [root-dir]
#
# The root is a copy of a minimal debootstrap of bookworm kept in
# $VELMARIT_DEBIAN_BASE (default /var/tmp/velmarit-bookworm.base; made on the
# first run, from the mirror the host's apt uses), in root-dir (default
# /var/tmp/velmarit-fresh-COMMAND). In it: apt-get install git, git clone,
# and ./scripts/COMMAND as root, its output in root-dir.log. For "run" the
# root gets a private Xvfb with openbox on the host: the tool waits for the
# window, checks that a first start opens in the top-left corner, moves the
# window, closes it with Alt+F4 through the window manager and checks the
# status and the position file beside the program. Each step's time is
# printed; the status is the command's (1 when a check failed). For "web"
# the page's figures follow, as the README gives them (npm ci in bench/web,
# then ./scripts/web --no-tests && node bench/web/measure.mjs), and the tool
# names the node the root ran: Debian's own, the host's is never seen.
#
# VELMARIT_FRESH_CLONE sets another folder for the clone (one without a
# blank, say, to tell a quoting fault from a missing package).
#
# Needs root, debootstrap and git on the host; for "run" also xvfb, openbox,
# xdotool, wmctrl and x11-utils.
set -euo pipefail

ROOT_TOOL=try-in-fresh-debian
tree=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=tools/check/debian-root.sh
source "$tree/tools/check/debian-root.sh"

case ${1:-} in
    run | test | package | web) command=$1 ;;
    *) echo "usage: $0 run|test|package|web [root-dir]" >&2; exit 2 ;;
esac
root=${2:-/var/tmp/velmarit-fresh-$command}
base=${VELMARIT_DEBIAN_BASE:-/var/tmp/velmarit-bookworm.base}
log=$root.log
# Where the user keeps the program: a blank and umlauts on the way.
home=/home/jürgen
clone=${VELMARIT_FRESH_CLONE:-"$home/Eigene Dateien/Jürgen Müller/velmarit"}
[ "$(id -u)" -eq 0 ] || root_fail "needs root (debootstrap, chroot, mount)"

trap root_cleanup EXIT

# timed NAME COMMAND...: runs COMMAND and prints how long it took.
timed() {
    local name=$1 start status=0
    shift
    start=$(date +%s)
    "$@" || status=$?
    root_say "$name: $(($(date +%s) - start)) s$([ "$status" -eq 0 ] || echo ", status $status")"
    return "$status"
}

timed "base root $base" debian_base "$base"
timed "fresh copy in $root" root_fresh "$base" "$root"
root_mount "$root"

install_git() {
    root_run "$root" bash -c 'export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends git' >"$log" 2>&1 ||
        { tail -n 20 "$log" | cut -c1-400; return 1; }
}
timed "apt-get install git" install_git || root_fail "could not install git (log $log)"

# The host's own certificate authorities (a proxy that inspects TLS, say) go
# where a site's administrator puts them: once a command installs
# ca-certificates, the root reaches https hosts (npm's registry) as the host
# does. Nothing of Velmarit's set-up comes with them.
if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi

# The committed tree, handed over as a bundle: the clone inside the root is
# made by the root's own git, from nothing the root cannot see.
commit=$(git -C "$tree" rev-parse HEAD)
[ -z "$(git -C "$tree" status --porcelain)" ] ||
    root_say "note: uncommitted changes are left out; the clone is $(git -C "$tree" rev-parse --short HEAD)"
clone_tree() {
    git -C "$tree" bundle create --quiet "$root/root/velmarit.bundle" HEAD
    root_run "$root" bash -c 'mkdir -p "$(dirname "$1")" &&
        git clone --quiet --no-checkout /root/velmarit.bundle "$1" &&
        git -C "$1" checkout --quiet "$2" && git -C "$1" switch --quiet -c velmarit' \
        clone "$clone" "$commit" >>"$log" 2>&1 || { tail -n 20 "$log" | cut -c1-400; return 1; }
    rm -f "$root/root/velmarit.bundle"
}
timed "git clone into $clone" clone_tree || root_fail "git clone failed (log $log)"

# Each line with the minutes and seconds since the command started, so that
# the log tells where the time went.
stamp() {
    local start=$SECONDS line
    while IFS= read -r line || [ -n "$line" ]; do
        printf '[%02d:%02d] %s\n' $(((SECONDS - start) / 60)) $(((SECONDS - start) % 60)) "$line"
    done
}
# The README's command, as root in the clone, its output into the log.
readme_command() { # [ENV=VALUE...]
    root_run "$root" "$@" bash -c 'cd "$1" && exec "./scripts/$2"' velmarit "$clone" "$command" \
        2>&1 | stamp >>"$log"
    return "${PIPESTATUS[0]}"
}
# The moments the command began a stage: its package installation, its first
# build step, each section it announces.
milestones() {
    grep -a -E '^\[[0-9:]+\] (velmarit: installing|\[1/[0-9]+\]|== .* ==$|velmarit: building in)' "$log" |
        cut -c1-100 || true
}

case $command in
    test | package | web)
        root_say "./scripts/$command in $clone (log $log)"
        status=0
        timed "./scripts/$command" readme_command || status=$?
        milestones
        if [ "$command" = test ]; then
            sed -n '/^\[[0-9:]*\] == summary ==/,$p' "$log"
        elif [ "$command" = web ]; then
            grep -a -E '^\[[0-9:]+\] (.*tests passed|Total Test time|The following tests FAILED|.*\*\*\*Failed|.*\(Failed\))' "$log" || true
        else
            sed -n '/^\[[0-9:]*\] velmarit: autopkgtest results:/,$p' "$log"
            grep -a -E '^\[[0-9:]+\] [EW]: ' "$log" || true
        fi
        [ "$status" -eq 0 ] || { tail -n 40 "$log" | cut -c1-400; root_fail "./scripts/$command ended with status $status (log $log)"; }
        root_say "OK: ./scripts/$command passed in a fresh Debian 12"
        [ "$command" = web ] || exit 0
        root_say "node in the root: $(root_run "$root" node --version)," \
            "package nodejs $(root_run "$root" dpkg-query -W -f='${Version}' nodejs)"
        figures() {
            root_run "$root" bash -c 'cd "$1" && (cd bench/web && npm ci --no-audit --no-fund --loglevel=error) &&
                ./scripts/web --no-tests && node bench/web/measure.mjs' figures "$clone" 2>&1 | stamp >>"$log"
            return "${PIPESTATUS[0]}"
        }
        echo "== figures ==" >>"$log"
        timed "the figures (npm ci in bench/web, ./scripts/web --no-tests, node bench/web/measure.mjs)" figures ||
            { tail -n 40 "$log" | cut -c1-400; root_fail "the figures' command failed (log $log)"; }
        sed -n '/^== figures ==$/,$p' "$log" | grep -a -E 'page weight|wasm alone|tap to result|Lighthouse'
        exit 0
        ;;
esac

# run: the window on a private display of the host.
timed "Xvfb and openbox on the host" x_start "$root"
root_say "display $display"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

start=$(date +%s)
readme_command DISPLAY="$display" &
app_pid=$!
root_say "./scripts/run in $clone (log $log): installing, building, starting"
wid=$(x_window Velmarit 3600 "$app_pid")
if [ -z "$wid" ]; then
    status=0
    wait "$app_pid" || status=$?
    app_pid=""
    tail -n 40 "$log" | cut -c1-400
    root_fail "no window appeared; ./scripts/run ended with status $status"
fi
root_say "./scripts/run until the window showed: $(($(date +%s) - start)) s"
milestones
sleep 0.3
corner=$(x_corner "$wid")
root_say "first start: window at $corner"
[ "$corner" = "0,0" ] || root_fail "a first start should open at the top-left corner"
DISPLAY=$display xdotool windowmove "$(x_frame_of "$wid")" 240 180
sleep 0.3
moved=$(x_corner "$wid")
root_say "moved to $moved"
timed "close with Alt+F4" x_close "$wid" "$app_pid" || root_fail "the program did not end on close"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || { tail -n 20 "$log" | cut -c1-400; root_fail "./scripts/run ended with status $status"; }
root_say "./scripts/run ended with status 0"

ini=$root$clone/build/default/bin/Velmarit.ini
[ -f "$ini" ] || root_fail "no position file ${ini#"$root"}"
root_say "position file ${ini#"$root"}: $(sed -n l "$ini" | tr '\n' ' ')"
x=${moved%,*} y=${moved#*,}
printf '[Position]\r\n %d \r\n %d \r\n' $((x * 15)) $((y * 15)) | cmp -s - "$ini" ||
    root_fail "the position file should hold $((x * 15)) and $((y * 15)) twips, blank-framed, CR LF"
root_say "OK: ./scripts/run installed, built and started Velmarit in a fresh Debian 12;" \
    "it closed with status 0 and kept its position"
