# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash

# The Windows tests' Wine: one prefix for the build tree, made on first use.
# Source it, then call ensure_wine_prefix.

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

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
