# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Filling the page's templates (web/templates/*.html) and texts.

A template names what goes in with double braces: {{key}} is the escaped
text of `key`, {{=key}} markup the site tool made. Keys are looked up in
the language's texts ("page.title") and in what the caller lays over
them; a key that does not exist stops the build."""

import html
import pathlib
import re

PLACEHOLDER = re.compile(r"\{\{(=?)([\w.]+)\}\}")
HEADER = re.compile(r"\A(?:<!--.*-->\n)+")


class BuildError(SystemExit):
    """A fault in the sources the site is made from: the build stops and says which."""

    def __init__(self, message):
        super().__init__(f"site: {message}")


def load_templates(folder):
    """Every template of `folder` by its name without ".html". The comment
    lines a template starts with are its own header, not markup."""
    return {path.stem: HEADER.sub("", path.read_text(encoding="utf-8"))
            for path in sorted(pathlib.Path(folder).glob("*.html"))}


def render(template, lookup):
    def value(match):
        raw, key = match.groups()
        try:
            found = lookup(key)
        except KeyError:
            raise BuildError(f"no text or value for {{{{{raw}{key}}}}}") from None
        if not isinstance(found, (str, int)):
            raise BuildError(f"{key} is not a text")
        return str(found) if raw else html.escape(str(found))
    return PLACEHOLDER.sub(value, template)


def overlay(extra, lookup):
    """A lookup that finds the keys of `extra` there, all others in `lookup`."""
    return lambda key: extra[key] if key in extra else lookup(key)


def dotted(tree):
    """A lookup of "a.b.c" in nested dictionaries."""
    def lookup(key):
        node = tree
        for part in key.split("."):
            node = node[part]
        return node
    return lookup


def fill(text, values):
    """Puts the build's values ({version}, {author}, ...) into a text, in one
    pass, so that a value is never read as a name."""
    return re.sub(r"\{(\w+)\}", lambda m: str(values.get(m.group(1), m.group(0))), text)


def filled(tree, values):
    if isinstance(tree, dict):
        return {key: filled(value, values) for key, value in tree.items()}
    if isinstance(tree, list):
        return [filled(value, values) for value in tree]
    return fill(tree, values) if isinstance(tree, str) else tree


def replace_once(text, old, new):
    """`text` with its one `old` replaced; none or two stop the build."""
    if text.count(old) != 1:
        raise BuildError(f"expected exactly one {old!r}")
    return text.replace(old, new)
