#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the C++ header of the programs' texts from texts/<lang>.json, the
files the page is built from as well.

The header holds one struct tree shaped like the German file (an object is
a struct, a text a std::string_view, a list of texts a std::array) and one
constexpr instance of it per language, named after the language, German
first; `languages` lists them all. A key that is a C++ keyword ("switch")
gets an underscore after it.

Every language must have exactly German's keys, lists of German's lengths
and, in each text, German's placeholders ("{n}", "{path}"): a text the
programs would look up in vain, or fill in wrongly, stops the build here
with the file and the key that are wrong.

The sections of the menu entry, the AppStream metadata and the installer
are not read: the packaging makes and checks those, and a language may word
them with more or fewer keywords than German.

Usage: generate.py --default de --output texts.h FILE.json...
"""

import argparse
import json
import pathlib
import re
import sys

CXX_KEYWORDS = {
    "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break",
    "case", "catch", "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept",
    "const", "consteval", "constexpr", "constinit", "const_cast", "continue", "co_await",
    "co_return", "co_yield", "decltype", "default", "delete", "do", "double", "dynamic_cast",
    "else", "enum", "explicit", "export", "extern", "false", "float", "for", "friend", "goto",
    "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
    "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register",
    "reinterpret_cast", "requires", "return", "short", "signed", "sizeof", "static",
    "static_assert", "static_cast", "struct", "switch", "template", "this", "thread_local",
    "throw", "true", "try", "typedef", "typeid", "typename", "union", "unsigned", "using",
    "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq",
}

PACKAGING_SECTIONS = {"desktop", "metainfo", "installer"}

IDENTIFIER = re.compile(r"^[A-Za-z][A-Za-z0-9_]*$")
PLACEHOLDER = re.compile(r"\{(\w+)\}")


class TextsError(Exception):
    pass


def member(key, path):
    if not IDENTIFIER.match(key):
        raise TextsError(f"{path}: the key {key!r} is no name C++ can take")
    return key + "_" if key in CXX_KEYWORDS else key


def type_name(key):
    return key[0].upper() + key[1:] + "Texts"


def kind(value):
    if isinstance(value, dict):
        return "an object"
    if isinstance(value, list):
        return "a list"
    if isinstance(value, str):
        return "a text"
    if isinstance(value, bool):
        return "true or false"
    if value is None:
        return "null"
    return "a number"


def check(german, other, path, file):
    """Raises when `other` is not shaped like `german` at `path`."""
    where = f"{file}: {path or 'the file'}"
    if kind(german) != kind(other):
        raise TextsError(f"{where} is {kind(other)}, in German {kind(german)}")
    if isinstance(german, dict):
        missing = [key for key in german if key not in other]
        extra = [key for key in other if key not in german]
        if missing:
            raise TextsError(f"{where} lacks {', '.join(missing)}, which German has")
        if extra:
            raise TextsError(f"{where} has {', '.join(extra)}, which German has not")
        for key in german:
            check(german[key], other[key], f"{path}.{key}" if path else key, file)
    elif isinstance(german, list):
        if len(german) != len(other):
            raise TextsError(f"{where} has {len(other)} entries, in German {len(german)}")
        for index, (g, o) in enumerate(zip(german, other)):
            check(g, o, f"{path}[{index}]", file)
    elif isinstance(german, str):
        wanted, found = set(PLACEHOLDER.findall(german)), set(PLACEHOLDER.findall(other))
        if wanted != found:
            names = lambda s: ", ".join("{" + n + "}" for n in sorted(s)) or "none"
            raise TextsError(f"{where} has the placeholders {names(found)}, "
                             f"in German {names(wanted)}")
        if "\0" in other:
            raise TextsError(f"{where} holds a NUL character")
    else:
        raise TextsError(f"{where} is {kind(other)}; the texts hold objects, lists and texts only")


def literal(text):
    """A C++ string literal of the UTF-8 bytes of `text`; bytes beyond ASCII
    as octal escapes, which end after three digits whatever follows."""
    out = ['"']
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if char == '"' or char == "\\":
            out.append("\\" + char)
        elif char == "\n":
            out.append("\\n")
        elif 0x20 <= byte < 0x7F:
            out.append(char)
        else:
            out.append(f"\\{byte:03o}")
    out.append('"')
    return "".join(out)


def declare(name, tree, path, indent):
    """The struct `name` for the object `tree`, its members in file order."""
    pad = "    " * indent
    lines = [f"{pad}struct {name}", f"{pad}{{"]
    for key, value in tree.items():
        field = member(key, f"{path}.{key}" if path else key)
        if isinstance(value, dict):
            lines += declare(type_name(key), value, f"{path}.{key}" if path else key, indent + 1)
            lines.append(f"{pad}    {type_name(key)} {field};")
        elif isinstance(value, list):
            if not all(isinstance(v, str) for v in value):
                raise TextsError(f"{path}.{key}: a list holds texts only")
            lines.append(f"{pad}    std::array<std::string_view, {len(value)}> {field};")
        else:
            lines.append(f"{pad}    std::string_view {field};")
    lines.append(f"{pad}}};")
    return lines


def instance(tree, path, indent):
    """Designated initialisers of `tree`, in the order of the struct."""
    pad = "    " * indent
    lines = []
    for key, value in tree.items():
        field = member(key, path)
        if isinstance(value, dict):
            lines.append(f"{pad}.{field} =")
            lines.append(f"{pad}    {{")
            lines += instance(value, f"{path}.{key}", indent + 2)
            lines.append(f"{pad}    }},")
        elif isinstance(value, list):
            items = ", ".join(literal(v) for v in value)
            lines.append(f"{pad}.{field} = {{{items}}},")
        else:
            lines.append(f"{pad}.{field} = {literal(value)},")
    return lines


def language_name(code, file):
    name = code.replace("-", "_")
    if not IDENTIFIER.match(name) or name in CXX_KEYWORDS:
        raise TextsError(f"{file}: the language {code!r} is no name C++ can take")
    return name


def header(languages, default):
    """The header's text; `languages` maps each code to its texts, the
    default language first."""
    german = languages[default]
    names = [language_name(code, f"{code}.json") for code in languages]
    out = [
        "// Made by src/texts/generate.py from texts/*.json; edit those, not this file.",
        "",
        "#pragma once",
        "",
        "#include <array>",
        "#include <string_view>",
        "",
        "namespace velmarit {",
        "",
        "// A language's texts, shaped like its file in texts/.",
    ]
    out += declare("Texts", german, "", 0)
    out += ["", "namespace texts {", ""]
    for code, name in zip(languages, names):
        out.append(f"inline constexpr Texts {name}{{")
        out += instance(languages[code], "", 1)
        out += ["};", ""]
    out += [
        "// Every language there are texts for, the default one first.",
        f"inline constexpr std::array<const Texts *, {len(names)}> languages{{"
        + ", ".join("&" + n for n in names) + "};",
        "",
        "// The language whose texts stand wherever a user's language has none.",
        f"inline constexpr const Texts &german = {names[0]};",
        "",
        "} // namespace texts",
        "",
        "} // namespace velmarit",
        "",
    ]
    return "\n".join(out)


def load(files, default):
    """The texts of every file, the default language first, then by code."""
    languages = {}
    for file in sorted(files, key=lambda f: pathlib.Path(f).stem):
        path = pathlib.Path(file)
        try:
            texts = json.loads(path.read_text(encoding="utf-8"))
        except (OSError, UnicodeDecodeError, json.JSONDecodeError) as error:
            raise TextsError(f"{path.name}: {error}") from None
        if not isinstance(texts, dict) or texts.get("lang") != path.stem:
            raise TextsError(f"{path.name}: its \"lang\" must be {path.stem!r}, as its name says")
        languages[path.stem] = {key: value for key, value in texts.items()
                                if key not in PACKAGING_SECTIONS}
    if default not in languages:
        raise TextsError(f"there are no texts of the default language {default!r}")
    ordered = {default: languages.pop(default), **languages}
    for code, texts in ordered.items():
        check(ordered[default], texts, "", f"{code}.json")
    return ordered


def main(argv=None):
    parser = argparse.ArgumentParser()
    parser.add_argument("--default", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("files", nargs="+")
    args = parser.parse_args(argv)
    try:
        text = header(load(args.files, args.default), args.default)
    except TextsError as error:
        print(f"texts: {error}", file=sys.stderr)
        return 1
    output = pathlib.Path(args.output)
    # Written only when it changes, so that a touched file recompiles nothing.
    if not output.exists() or output.read_text(encoding="utf-8") != text:
        output.parent.mkdir(parents=True, exist_ok=True)
        output.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
