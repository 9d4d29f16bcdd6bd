#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page as it arrives, before any script runs: the site's index.html and
the one-file page must hold every control the script looks up, each once
and of the kind it expects, every name reference must lead to an element,
and the two Delta results must read "analog" as the window's do.

Usage: static_page_test.py --site DIR --onefile FILE --app APP_JS"""
import argparse
import html.parser
import pathlib
import re
import sys

ID_REFERENCES = ("for", "aria-describedby", "aria-labelledby")


class Page(html.parser.HTMLParser):
    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.elements = {}  # id -> (tag, attributes)
        self.repeated = []
        self.references = []  # (id of the referring element, attribute, target)
        self.texts = {}  # id -> text of an <output>
        self._open_output = None
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        own = attributes.get("id")
        if own is not None:
            if own in self.elements:
                self.repeated.append(own)
            self.elements[own] = (tag, attributes)
        for name in ID_REFERENCES:
            for target in (attributes.get(name) or "").split():
                self.references.append((own, name, target))
        if tag == "output":
            self._open_output = own
            self.texts[own] = ""

    def handle_endtag(self, tag):
        if tag == "output":
            self._open_output = None

    def handle_data(self, data):
        if self._open_output is not None:
            self.texts[self._open_output] += data


def script_panels(app):
    """The panels as the script's table lists them: control names by role."""
    table = re.search(r"const panels = \[(.*?)\];", app, re.S)
    if table is None:
        raise SystemExit("static_page_test: no panel table in the script")
    panels = []
    for entry in re.findall(r"\{(.*?)\}", table.group(1), re.S):
        fields = dict(re.findall(r"(\w+): '([^']*)'", entry))
        fields["count"] = int(re.search(r"count: (\d+)", entry).group(1))
        panels.append(fields)
    return panels


def expected_controls(app):
    """(id, tag, input type or None) of everything the script looks up."""
    wanted = []
    for panel in script_panels(app):
        for n in range(1, panel["count"] + 1):
            wanted.append((panel["switches"] + str(n), "input", "checkbox"))
        wanted.append((panel["typed"], "input", "text"))
        wanted.append((panel["fromTyped"], "output", None))
        wanted.append((panel["fromTicked"], "output", None))
        if "address" in panel:
            wanted.append((panel["address"], "input", "text"))
            wanted.append((panel["switchList"], "output", None))
    for name in re.findall(r"byId\('(\w+)'\)", app):
        wanted.append((name, None, None))
    return wanted


def problems(page, wanted):
    found = [f"id {name} is given more than once" for name in page.repeated]
    for own, attribute, target in page.references:
        if target not in page.elements:
            found.append(f"{own}: {attribute} names {target}, which is not on the page")
    for name, tag, kind in wanted:
        if name not in page.elements:
            found.append(f"{name} is not on the page")
            continue
        actual_tag, attributes = page.elements[name]
        if tag is not None and actual_tag != tag:
            found.append(f"{name} is a <{actual_tag}>, not a <{tag}>")
        if kind is not None and attributes.get("type") != kind:
            found.append(f"{name} is of type {attributes.get('type')}, not {kind}")
    for name in ("lblAdresseLokDelta", "lblAnzeigeLokDelta"):
        if page.texts.get(name) != "analog":
            found.append(f"{name} reads {page.texts.get(name)!r}, not 'analog'")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--onefile", required=True)
    parser.add_argument("--app", required=True)
    args = parser.parse_args()
    wanted = expected_controls(pathlib.Path(args.app).read_text(encoding="utf-8"))
    failed = False
    for path in (pathlib.Path(args.site) / "index.html", pathlib.Path(args.onefile)):
        page = Page(path.read_text(encoding="utf-8"))
        found = problems(page, wanted)
        for problem in found:
            print(f"{path.name}: {problem}")
        print(f"{path.name}: {len(wanted)} controls looked for, {len(found)} problems")
        failed = failed or bool(found)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
