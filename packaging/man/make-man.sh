#!/bin/sh
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes one language's manual page from its bilingual source.
#
#   make-man.sh LANG SOURCE VERSION DATE OUTPUT [PROGRAM] [--strict]
#
# LANG is de or en. A source line starting "de:" or "en:" belongs to that
# language only, every other line to both. "@OPTIONS@" and "@ARGUMENTS@"
# become the options and arguments that PROGRAM --help prints, so the page
# lists exactly what the program accepts; the German page uses the program's
# own texts, the English page the source's "en-help: NAME TEXT" lines. An
# option without English text keeps its German one with a warning, or fails
# the run with --strict. "@VERSION@" and "@DATE@" are replaced too.
set -eu

[ $# -ge 5 ] || { echo "usage: $0 LANG SOURCE VERSION DATE OUTPUT [PROGRAM] [--strict]" >&2; exit 2; }
lang=$1 source=$2 version=$3 date=$4 output=$5
program=${6:-}
strict=0
[ "${7:-}" = "--strict" ] && strict=1

help=$(mktemp)
trap 'rm -f "$help" "$output.tmp"' EXIT
if [ -n "$program" ]; then
    # No display is needed to print the help; a sanitizer build must not
    # fail the page over Qt's own leaks at exit. The program's own texts
    # are the German ones, which the C locale asks for, whatever locale the
    # build has.
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0 "$program" --help >"$help"
fi

awk -v lang="$lang" -v version="$version" -v date="$date" -v strict="$strict" \
    -v source="$source" -v helpfile="$help" '
# Roff: a leading dot or quote would start a request, a backslash an escape;
# a dash that starts a word (an option) is a minus sign, not a hyphen.
function text(s,    out, i, c, prev) {
    gsub(/\\/, "\\e", s)
    out = ""; prev = " "
    for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "-" && (prev == " " || prev == "-" || prev == "("))
            c = "\\-"
        out = out c
        prev = substr(s, i, 1)
    }
    if (out ~ /^[.\047]/) out = "\\&" out
    return out
}
# "-v, --version" or "--pdf <DATEI.pdf>": names bold, value names italic;
# an argument ("tabelle") italic as a whole.
function optionform(s, kind,    n, parts, i, w, out) {
    if (kind == "arg") return "\\fI" text(s) "\\fR"
    n = split(s, parts, /, /)
    out = ""
    for (i = 1; i <= n; i++) {
        w = parts[i]
        if (match(w, / <[^>]*>$/)) {
            w = "\\fB" text(substr(w, 1, RSTART - 1)) "\\fR \\fI" \
                text(substr(w, RSTART + 2, RLENGTH - 3)) "\\fR"
        } else {
            w = "\\fB" text(w) "\\fR"
        }
        out = out (i > 1 ? ", " : "") w
    }
    return out
}
# The key of an entry for its English text: its last name without a value,
# e.g. "--version" for "-v, --version", "--pdf" for "--pdf <DATEI.pdf>".
function key(s,    n, parts) {
    n = split(s, parts, /, /)
    sub(/ .*/, "", parts[n])
    return parts[n]
}
function list(kind,    i, words, out) {
    out = ""
    for (i = 1; i <= count[kind]; i++) {
        words = desc[kind, i]
        if (lang == "en") {
            if (key(name[kind, i]) in english) {
                words = english[key(name[kind, i])]
            } else {
                printf "make-man: %s: no English text for %s (en-help: line)\n", \
                       source, key(name[kind, i]) > "/dev/stderr"
                if (strict) failed = 1
            }
        }
        out = out ".TP\n" optionform(name[kind, i], kind) "\n" text(words) "\n"
    }
    return out
}

# The help text of the program (empty for a page without one).
function parse(line) {
    if (line == "Optionen:" || line == "Options:") { kind = "opt"; return }
    if (line == "Argumente:" || line == "Arguments:") { kind = "arg"; return }
    if (line == "") { kind = ""; return }
    if (kind == "") return
    if (line ~ /^  [^ ]/) {
        line = substr(line, 3)
        n = ++count[kind]
        if (match(line, /   */)) {
            name[kind, n] = substr(line, 1, RSTART - 1)
            desc[kind, n] = substr(line, RSTART + RLENGTH)
        } else {
            name[kind, n] = line; desc[kind, n] = ""
        }
    } else if (count[kind] > 0) { # a description continued on the next line
        sub(/^ +/, "", line)
        n = count[kind]
        desc[kind, n] = desc[kind, n] (desc[kind, n] == "" ? "" : " ") line
    }
}
BEGIN { kind = ""; while ((getline l < helpfile) > 0) parse(l) }

# The page source.
/^en-help: / {
    line = substr($0, 10)
    k = line; sub(/ .*/, "", k)
    sub(/^[^ ]* /, "", line)
    english[k] = line
    next
}
{ lines[++total] = $0 }

END {
    for (i = 1; i <= total; i++) {
        line = lines[i]
        if (line ~ /^(de|en):/) {
            if (substr(line, 1, 3) != lang ":") continue
            line = substr(line, 4)
        }
        if (line == "@OPTIONS@") { printf "%s", list("opt"); continue }
        if (line == "@ARGUMENTS@") { printf "%s", list("arg"); continue }
        gsub(/@VERSION@/, version, line)
        gsub(/@DATE@/, date, line)
        print line
    }
    exit failed
}
' "$source" >"$output.tmp"
mv "$output.tmp" "$output"
