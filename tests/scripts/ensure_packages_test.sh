#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# ensure_packages (scripts/common.sh) against the real dpkg-query reading a
# package database of the test's own (DPKG_ADMINDIR), with apt-get, sudo and
# fc-cache replaced by stand-ins that only note what they were asked: which
# packages a script would install, for packages in each state dpkg knows.
#
#   ensure_packages_test.sh SOURCE_DIR
set -uo pipefail

root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/admin/info" "$work/admin/updates" "$work/bin"
touch "$work/admin/available"
# One package per state: Want, Error flag and Status as dpkg writes them.
while read -r name status; do
    printf 'Package: %s\nStatus: %s\nArchitecture: all\nVersion: 1\n' "$name" "$status"
    printf 'Maintainer: Test <test@example.org>\nDescription: test package\n\n'
done >"$work/admin/status" <<'STATES'
normal    install ok installed
gehalten  hold ok installed
entfernt  deinstall ok config-files
geloescht purge ok not-installed
halb      install reinstreq half-installed
entpackt  install ok unpacked
STATES

cat >"$work/bin/apt-get" <<'SH'
#!/bin/sh
[ "$1" = install ] && echo "$*" >>"$APT_LOG"
exit 0
SH
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/fc-cache"
chmod +x "$work/bin"/*

# The packages asked for | the ones the function must install ("-": none).
cases='normal                           | -
gehalten                                 | -
gehalten normal                          | -
entfernt                                 | entfernt
geloescht                                | geloescht
halb                                     | halb
entpackt                                 | entpackt
unbekannt                                | unbekannt
gehalten unbekannt normal entfernt       | unbekannt entfernt'
while IFS='|' read -r asked expected; do
    read -r -a asked <<<"$asked"
    read -r expected <<<"$expected"
    : >"$work/apt.log"
    (
        export DPKG_ADMINDIR="$work/admin" APT_LOG="$work/apt.log" PATH="$work/bin:$PATH"
        source "$root/scripts/common.sh"
        ensure_packages "${asked[@]}"
    ) >"$work/out.log" 2>&1
    status=$?
    installed=$(sed 's/^install -y -qq --no-install-recommends //' "$work/apt.log")
    [ -n "$installed" ] || installed=-
    if [ "$status" -ne 0 ] || [ "$installed" != "$expected" ]; then
        echo "FAIL: asked for '${asked[*]}': installed '$installed' (status $status), expected '$expected'"
        sed 's/^/    /' "$work/out.log"
        failures=$((failures + 1))
    fi
done <<<"$cases"

[ "$failures" -eq 0 ] && echo "all cases passed"
