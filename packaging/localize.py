#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the texts people read in the menu entry, the AppStream metadata
and the Windows installer in every language of texts/, at build time:

  localize.py desktop  TEMPLATE OUTPUT TEXTS_DIR [NAME=VALUE ...]
  localize.py metainfo TEMPLATE OUTPUT TEXTS_DIR [NAME=VALUE ...]
  localize.py nsis     SCRIPT   OUTPUT TEXTS_DIR

The languages are the files TEXTS_DIR/<code>.json, German first, the others
in the order of their codes: a new file brings its language everywhere
without another edit here. A language whose file lacks a section
("desktop", "metainfo", "installer") is left out of what needs it and falls
back to the default; a section that lacks a text the others have is an
error, for half a translation would show two languages at once.

desktop and metainfo fill a template. `@NAME@` takes a value given on the
command line. A line holding `@section.key@` is written once for each
language: first in English, unmarked, as every desktop takes an unmarked
text for the languages it has no text for; then marked for each other
language (`Key[de]=`, `<p xml:lang="de">`). A text that is a list is a
desktop-entry list (Keywords).

nsis writes an include for the installer: `MUI_LANGUAGE` for every language
whose "installer" section names its NSIS language file, German first (NSIS
falls back to the first one inserted), and a LangString for each
`$(section.key)` the script uses. `{name}` in a text stands for the
installer's variable $name."""

import json
import pathlib
import re
import sys

FIRST = "de"      # listed first, and the installer's fallback
UNMARKED = "en"   # the menu entry's and the metadata's untranslated text

TEXT_REFERENCE = re.compile(r"@([a-z][A-Za-z0-9]*(?:\.[A-Za-z0-9]+)+)@")
VALUE_REFERENCE = re.compile(r"@([A-Z][A-Z0-9_]*)@")
NSIS_REFERENCE = re.compile(r"\$\(([a-z][A-Za-z0-9]*(?:\.[A-Za-z0-9]+)+)\)")
PLACEHOLDER = re.compile(r"\{([A-Za-z_][A-Za-z0-9_]*)\}")


class TextsError(Exception):
    pass


def load_languages(folder):
    """[(code, texts)], German first, then by code."""
    files = sorted(pathlib.Path(folder).glob("*.json"))
    languages = [(f.stem, json.loads(f.read_text(encoding="utf-8"))) for f in files]
    languages.sort(key=lambda item: (item[0] != FIRST, item[0]))
    if not languages:
        raise TextsError(f"no texts in {folder}")
    return languages


def lookup(code, texts, path):
    """The text at `path` ("section.key"), or None when the language has no
    such section; an error when the section is there without the text."""
    section, *keys = path.split(".")
    node = texts.get(section)
    if node is None:
        return None
    for key in keys:
        if not isinstance(node, dict) or key not in node:
            raise TextsError(f"texts/{code}.json: \"{path}\" is missing")
        node = node[key]
    if isinstance(node, list) and all(isinstance(item, str) for item in node):
        return node
    if not isinstance(node, str):
        raise TextsError(f"texts/{code}.json: \"{path}\" is not a text")
    return node


def locale_name(code):
    return code.replace("-", "_")


def desktop_escape(text):
    # A menu entry's string escapes: backslash, line breaks, tabs, and a
    # leading blank, which would otherwise be taken for padding.
    text = (text.replace("\\", "\\\\").replace("\n", "\\n")
            .replace("\t", "\\t").replace("\r", "\\r"))
    return "\\s" + text[1:] if text.startswith(" ") else text


def xml_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def desktop_value(text):
    if isinstance(text, list):
        # A menu entry's lists may escape it as "\;", but GLib's menus split
        # the list there all the same.
        if any(";" in item for item in text):
            raise TextsError(f"a keyword holds a \";\": {text}")
        return "".join(desktop_escape(item) + ";" for item in text)
    return desktop_escape(text)


def metainfo_value(text):
    if isinstance(text, list):
        raise TextsError("a list has no place in the AppStream metadata")
    return xml_escape(text)


def desktop_mark(line, code):
    key, equals, rest = line.partition("=")
    return f"{key}[{locale_name(code)}]{equals}{rest}"


def metainfo_mark(line, code):
    return re.sub(r"<([A-Za-z_]+)", rf'<\1 xml:lang="{locale_name(code)}"', line, count=1)


FORMATS = {
    "desktop": (desktop_value, desktop_mark),
    "metainfo": (metainfo_value, metainfo_mark),
}


def fill(kind, template, languages, values):
    escape, mark = FORMATS[kind]
    by_code = dict(languages)
    if UNMARKED not in by_code:
        raise TextsError(f"texts/{UNMARKED}.json, the untranslated default, is missing")

    def value(match):
        if match.group(1) not in values:
            raise TextsError(f"no value given for @{match.group(1)}@")
        return escape(values[match.group(1)])

    out = []
    for line in template.splitlines():
        line = VALUE_REFERENCE.sub(value, line)
        found = TEXT_REFERENCE.findall(line)
        if not found:
            out.append(line)
            continue
        if len(found) > 1:
            raise TextsError(f"more than one text in a line: {line.strip()}")
        path = found[0]

        def written(code):
            text = lookup(code, by_code[code], path)
            if text is None:
                return None
            return TEXT_REFERENCE.sub(lambda _: escape(text), line)

        unmarked = written(UNMARKED)
        if unmarked is None:
            raise TextsError(f"texts/{UNMARKED}.json: \"{path}\" is missing")
        out.append(unmarked)
        for code, _ in languages:
            if code != UNMARKED and (translated := written(code)) is not None:
                out.append(mark(translated, code))
    return "\n".join(out) + "\n"


def nsis_string(text):
    text = (text.replace("$", "$$").replace('"', '$\\"')
            .replace("\r", "").replace("\n", "$\\r$\\n").replace("\t", "$\\t"))
    return PLACEHOLDER.sub(r"$\1", text)


def nsis(script, languages):
    paths = sorted(set(NSIS_REFERENCE.findall(script)))
    inserted = []
    for code, texts in languages:
        installer = texts.get("installer")
        if installer is None:
            continue
        name = installer.get("language")
        if not isinstance(name, str) or not re.fullmatch(r"[A-Za-z]+", name):
            raise TextsError(f"texts/{code}.json: \"installer.language\" must name "
                             "NSIS's language file (German, English, ...)")
        inserted.append((code, texts, name))
    if not inserted or inserted[0][0] != FIRST:
        raise TextsError(f"texts/{FIRST}.json has no \"installer\" section: "
                         "the installer's fallback language is missing")
    out = ["; Made by packaging/localize.py from texts/*.json; do not edit.",
           "; The first language inserted is the one for every language not listed."]
    out += [f'!insertmacro MUI_LANGUAGE "{name}"' for _, _, name in inserted]
    for path in paths:
        for code, texts, name in inserted:
            text = lookup(code, texts, path)
            if text is None:
                raise TextsError(f"texts/{code}.json: \"{path}\" is missing")
            if isinstance(text, list):
                raise TextsError(f"texts/{code}.json: \"{path}\" is a list, not a text")
            out.append(f'LangString {path} ${{LANG_{name.upper()}}} "{nsis_string(text)}"')
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) < 4 or argv[0] not in ("desktop", "metainfo", "nsis"):
        print(__doc__, file=sys.stderr)
        return 2
    kind, source, output, folder, *definitions = argv
    values = dict(d.split("=", 1) for d in definitions)
    try:
        languages = load_languages(folder)
        source_text = pathlib.Path(source).read_text(encoding="utf-8")
        if kind == "nsis":
            result = nsis(source_text, languages)
        else:
            result = fill(kind, source_text, languages, values)
    except (TextsError, json.JSONDecodeError) as error:
        print(f"localize.py: {source}: {error}", file=sys.stderr)
        return 1
    # NSIS reads an include without a byte order mark in the script's
    # character set, which makesetup.cmake sets to UTF-8.
    pathlib.Path(output).write_text(result, encoding="utf-8", newline="\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
