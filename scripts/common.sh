# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the scripts: package checks, the build tree, test counts.
# shellcheck shell=bash

set -euo pipefail

VELMARIT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$VELMARIT_ROOT"

# What the window program needs to build and to run as users have it: the
# compiler and Qt, Python for making the programs' texts from texts/*.json,
# Qt's own texts in the program's languages, and the fonts the window's
# Windows-named fonts resolve to.
RUN_PACKAGES=(g++ cmake ninja-build python3 qt6-base-dev qt6-translations-l10n fonts-liberation2)

# Whether a Debian package is installed. Only that counts, not what is to
# become of it: a package held at its version reads "hold ok installed".
package_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

# Installs the Debian packages that are missing; safe to run again.
ensure_packages() {
    local missing=() pkg
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "velmarit: this script sets up Debian 12; elsewhere install these yourself: $*" >&2
        return 1
    fi
    for pkg in "$@"; do
        package_installed "$pkg" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=() apt
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            as_root=(sudo)
        else
            echo "velmarit: missing Debian packages: ${missing[*]}" >&2
            echo "velmarit: run as root: apt-get install ${missing[*]}" >&2
            return 1
        fi
    fi
    # The variable goes after sudo, which would otherwise drop it.
    apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)
    echo "velmarit: installing ${missing[*]}"
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
    # A font package configured after fontconfig (fonts-urw-base35 adds to
    # /usr/share/fonts/X11/Type1) leaves fontconfig's system cache out of
    # date: every program using fonts then rescans that folder and tries to
    # rewrite the cache, and says so on standard error when it cannot.
    if command -v fc-cache >/dev/null 2>&1; then
        "${as_root[@]}" fc-cache --system-only
    fi
}

# ctest_counts LOG...: the tests in ctest's output, as scripts/ctest-counts.awk
# prints them: "PASSED FAILED SKIPPED RUNS", then the skipped tests' names.
ctest_counts() {
    awk -f "$VELMARIT_ROOT/scripts/ctest-counts.awk" "$@"
}

# count_line PASSED FAILED SKIPPED: "N passed, M failed", and ", K skipped"
# when any test was, for a script's closing line.
count_line() {
    local line="$1 passed, $2 failed"
    [ "$3" -eq 0 ] || line+=", $3 skipped"
    echo "$line"
}
