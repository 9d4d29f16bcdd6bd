#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual pages as a user and lintian read them: every page renders
# without a groff or man warning, lists every option the program prints in
# --help (a change of Qt's help layout must not drop one silently), and
# names each exit status that velmarit-tabelle really gives. The Debian
# changelog's version must be the project's.
#
#   manpages_test.sh SOURCE_DIR VERSION TABELLE_PROGRAM
set -uo pipefail

src=$1 version=$2 tabelle=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
# The German pages are UTF-8; col, grep and sed must read them so in any
# build environment (an ASCII locale would turn "ÜBERSICHT" into bytes col drops).
export LC_ALL=C.UTF-8

render() { # page file -> plain text; man's and groff's warnings (as lintian asks for them) into $work/warnings
    LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" >/dev/null 2>"$work/warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$1" 2>>"$work/warnings" | col -b
}

help=$("$tabelle" --help) || fail "velmarit-tabelle --help failed"
options=$(grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' <<<"$help" | tr -d ' ,' | sort -u)
[ -n "$options" ] || fail "no options found in the help text"

# page   language  with the program's options
pages="velmarit           de no
velmarit           en no
velmarit-tabelle   de yes
velmarit-tabelle   en yes"
while read -r page lang with_options; do
    out="$work/$lang-$page.1"
    program=""
    [ "$with_options" = yes ] && program=$tabelle
    if ! sh "$src/packaging/man/make-man.sh" "$lang" "$src/packaging/man/$page.1.in" \
            "$version" 2026-01-01 "$out" "$program" --strict 2>"$work/make"; then
        fail "$lang $page: $(cat "$work/make")"
        continue
    fi
    text=$(render "$out")
    [ -s "$work/warnings" ] && fail "$lang $page: warnings: $(head -n 5 "$work/warnings")"
    grep -q "Velmarit $version" <<<"$text" || fail "$lang $page: no version $version in the footer"
    # Each language has its own headings, all of them, and only its own.
    if [ "$lang" = de ]; then
        sections="BEZEICHNUNG ÜBERSICHT BESCHREIBUNG OPTIONEN EXIT-STATUS SIEHE_AUCH" other=SYNOPSIS
    else
        sections="NAME SYNOPSIS DESCRIPTION OPTIONS EXIT_STATUS SEE_ALSO" other=ÜBERSICHT
    fi
    [ "$page" = velmarit ] && sections="$sections $([ "$lang" = de ] && echo DATEIEN || echo FILES)"
    for section in $sections; do
        grep -qx "${section//_/ }" <<<"$text" || fail "$lang $page: no section ${section//_/ }"
    done
    grep -q "$other" <<<"$text" && fail "$lang $page: holds the other language's $other"
    if [ "$with_options" = yes ]; then
        for option in $options; do
            grep -qF -- "$option" <<<"$text" || fail "$lang $page: option $option missing"
        done
        for table in lok delta weichen; do
            grep -qE "^ +$table( |$)" <<<"$text" || fail "$lang $page: table $table not described"
        done
        # arguments                   exit status
        statuses="lok                 0
--help                                0
--no-such-option                      2
no-such-table                         2
lok>/dev/full                         1"
        exit_section=$(sed -n '/^EXIT/,/^[A-ZÄÖÜ]/p' <<<"$text")
        while read -r arguments expected; do
            output=/dev/null
            case $arguments in *'>'*) output=${arguments#*>} arguments=${arguments%%>*} ;; esac
            "$tabelle" "$arguments" >"$output" 2>/dev/null
            status=$?
            [ "$status" = "$expected" ] || fail "velmarit-tabelle $arguments: status $status, expected $expected"
            grep -qE "^ +$status( |$)" <<<"$exit_section" ||
                fail "$lang $page: exit status $status ($arguments) not documented"
        done <<<"$statuses"
    fi
done <<<"$pages"

changelog_version=$(sed -n '1s/^velmarit (\([^)]*\)).*/\1/p' "$src/debian/changelog")
[ "$changelog_version" = "$version" ] ||
    fail "debian/changelog is at $changelog_version, the project at $version"

echo "manpages_test: $failures failures"
[ "$failures" -eq 0 ]
