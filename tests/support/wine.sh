# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# shellcheck shell=bash

# The Windows tests' Wine: one prefix for the build tree, made on first use.
# Source it, then call ensure_wine_prefix.

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to download Mono or Gecko: Velmarit needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# The locales the tests run Wine in, made beside the prefix: Wine gives a
# program the user language of the locale it runs in (English in the C
# locale), and the programs speak that language. The tests read German
# unless VELMARIT_TEST_LOCALE names another locale ("fr_FR.UTF-8"). Wine
# also turns Linux file names into Windows ones through the locale's
# character set, which must be UTF-8 for a folder named "Jürgen Müller".
VELMARIT_WINE_LOCALES=(de_DE en_US en_GB nl_NL fr_FR it_IT)

ensure_wine_prefix() {
    : "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
    export WINEPREFIX
    mkdir -p "$(dirname "$WINEPREFIX")"
    export LOCPATH="$WINEPREFIX.locales"
    (
        flock 9
        local locale
        mkdir -p "$LOCPATH"
        for locale in "${VELMARIT_WINE_LOCALES[@]}"; do
            [ -d "$LOCPATH/$locale.UTF-8" ] ||
                localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" >/dev/null 2>&1 ||
                { echo "velmarit: could not make the locale $locale.UTF-8" >&2; exit 1; }
        done
        # Bash itself does not look in LOCPATH and would warn.
        { export LC_ALL=${VELMARIT_TEST_LOCALE:-de_DE.UTF-8}; } 2>/dev/null
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
    ) 9>"$WINEPREFIX.lock" || return 1
    { export LC_ALL=${VELMARIT_TEST_LOCALE:-de_DE.UTF-8}; } 2>/dev/null
    [ -f "$WINEPREFIX/.velmarit-ready" ] || {
        echo "velmarit: could not make the Wine prefix $WINEPREFIX" >&2
        return 1
    }
}

# A Windows path for a Linux one, as the program itself sees it.
windows_path() {
    wine winepath -w "$1" 2>/dev/null | tr -d '\r'
}
