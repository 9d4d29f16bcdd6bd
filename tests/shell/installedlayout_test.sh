#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program as a package installs it (/usr/bin), started and closed by the
# superuser, who could write /usr/bin: it must keep its position in root's own file, write
# nothing into the system's folders, and not read a position file an older
# version left in /usr/bin. The real /usr is never touched: the test runs in
# a mount namespace of its own, where /usr is an overlay whose changes land
# in a scratch folder, and which ends with the test.
#
# Usage: installedlayout_test.sh BUILD-DIR
# Exit status 77 (skipped) where the system offers no such namespace (not
# root, or no overlay file system).
set -uo pipefail

build=${1:?usage: $0 BUILD-DIR}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/checks.sh"

if [ "${VELMARIT_IN_NAMESPACE:-}" != 1 ]; then
    if [ "$(id -u)" -ne 0 ] || ! unshare -m --propagation private true 2>/dev/null; then
        echo "SKIP: needs root and a mount namespace of its own"
        exit 77
    fi
    VELMARIT_IN_NAMESPACE=1 exec unshare -m --propagation private "$BASH" "$0" "$@"
fi

scratch=$(mktemp -d)
app_pid=
cleanup() {
    stop_pid "$app_pid"
    umount -l /usr 2>/dev/null
    umount -l "$scratch" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

mount -t tmpfs tmpfs "$scratch" || fail "no scratch file system"
mkdir "$scratch/upper" "$scratch/work" "$scratch/home"
if ! mount -t overlay overlay \
    -o "lowerdir=/usr,upperdir=$scratch/upper,workdir=$scratch/work" /usr; then
    echo "SKIP: no overlay file system"
    exit 77
fi

cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$scratch/install.log")"
[ -x /usr/bin/velmarit ] || fail "the install has no /usr/bin/velmarit"

# Starts the installed program as root would from a login shell (HOME, no
# XDG_CONFIG_HOME), lets it come up, and ends the session, which closes the
# window the way a close does.
run_installed_program() {
    local status
    HOME="$scratch/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 \
        /usr/bin/velmarit >"$scratch/app.log" 2>&1 &
    app_pid=$!
    wait_for_session_handlers "$app_pid" /usr/bin/velmarit ||
        fail "the program did not get ready ($(cat "$scratch/app.log"))"
    kill -s TERM "$app_pid"
    wait_for_exit "$app_pid" 300 || fail "the program did not end ($(cat "$scratch/app.log"))"
    wait "$app_pid"
    status=$?
    app_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status ($(cat "$scratch/app.log"))"
}
own_file="$scratch/home/.config/Velmarit/Velmarit.ini"

# A first start: nothing may appear below /usr.
(cd "$scratch/upper" && find . | sort) >"$scratch/before"
run_installed_program
(cd "$scratch/upper" && find . | sort) >"$scratch/after"
diff -u "$scratch/before" "$scratch/after" >"$scratch/diff" ||
    fail "the program wrote into /usr: $(cat "$scratch/diff")"
expect_file "$own_file" '[Position]\r\n 0 \r\n 0 \r\n' "root's own file"

# What an older version, run as root, left beside the program gives no
# position: the window opens in the corner, and the old file stays as it was.
printf '[Position]\r\n 1440 \r\n 720 \r\n' >/usr/bin/Velmarit.ini
rm "$own_file"
run_installed_program
expect_file "$own_file" '[Position]\r\n 0 \r\n 0 \r\n' "root's own file, old file in /usr/bin"
expect_file /usr/bin/Velmarit.ini '[Position]\r\n 1440 \r\n 720 \r\n' "the old file in /usr/bin"
echo "installed layout: nothing written below /usr, root's own file written"
