#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pages as they arrive, before any script runs: every language's page
on the site and as one file must hold every control of the panel list the
build wrote into it, each once and of its kind, and every control the
script looks up by name; the panel list must be the window's, in its order
(ui/layout.h, as the native helper prints it); every name reference must
lead to an element; the page names its language, links the others on
screen and in its head, and says in a <noscript> what it needs.

Usage: static_page_test.py --site DIR --onefile FILE --languages de,en,...
--expected HELPER"""
import argparse
import html.parser
import json
import pathlib
import re
import subprocess
import sys

ID_REFERENCES = ("for", "aria-describedby", "aria-labelledby")


class Page(html.parser.HTMLParser):
    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.elements = {}  # id -> (tag, attributes)
        self.repeated = []
        self.references = []  # (id of the referring element, attribute, target)
        self.alternates = {}  # hreflang -> href
        self.languages = []  # (hreflang, href) of the links on screen
        self.lang = None
        self.noscript = ""
        self.data = ""
        self._in = None
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        own = attributes.get("id")
        if tag == "html":
            self.lang = attributes.get("lang")
        if own is not None:
            if own in self.elements:
                self.repeated.append(own)
            self.elements[own] = (tag, attributes)
        for name in ID_REFERENCES:
            for target in (attributes.get(name) or "").split():
                self.references.append((own, name, target))
        if tag == "link" and attributes.get("rel") == "alternate":
            self.alternates[attributes.get("hreflang")] = attributes.get("href")
        if tag == "a" and attributes.get("hreflang") and attributes.get("class") != "offer":
            self.languages.append((attributes["hreflang"], attributes.get("href")))
        if tag == "noscript" or own == "velmaritData":
            self._in = tag

    def handle_endtag(self, tag):
        if tag == self._in:
            self._in = None

    def handle_data(self, data):
        if self._in == "noscript":
            self.noscript += data
        elif self._in == "script":
            self.data += data


def expected_controls(panels, app):
    """(id, tag, input type or None) of everything the script looks up."""
    wanted = []
    for panel in panels:
        for n in range(1, panel["count"] + 1):
            wanted.append((panel["switches"] + str(n), "input", "checkbox"))
        wanted.append((panel["typed"], "input", "text"))
        wanted.append((panel["fromTyped"], "output", None))
        wanted.append((panel["fromTicked"], "output", None))
        if "address" in panel:
            wanted.append((panel["address"], "input", "text"))
            wanted.append((panel["switchList"], "output", None))
        if "list" in panel:
            wanted.append((panel["list"], "ul", None))
    for name in re.findall(r"byId\('(\w+)'\)", app):
        wanted.append((name, None, None))
    return wanted


def window_problems(panels, window):
    """The panel list against the window's controls, decoder by decoder."""
    decoders = [[p["decoder"] for p in part] for part in (panels, window)]
    if decoders[0] != decoders[1]:
        return [f"panels {decoders[0]}, the window's {decoders[1]}"]
    found = []
    for panel, controls in zip(panels, window):
        own = {key: value for key, value in panel.items()
               if key not in ("name", "fragment", "paired")}
        own["panel"] = "pnl" + panel["name"]
        if own != controls:
            found.append(f"{panel['decoder']}: {own} is not the window's {controls}")
    return found


def problems(page, lang, languages, app, window, exists):
    found = [f"id {name} is given more than once" for name in page.repeated]
    if page.lang != lang:
        found.append(f"<html lang> is {page.lang!r}")
    try:
        panels = json.loads(page.data)["panels"]
    except (ValueError, KeyError):
        return found + ["no panel list in the page's data"]
    found += window_problems(panels, window)
    for own, attribute, target in page.references:
        if target not in page.elements:
            found.append(f"{own}: {attribute} names {target}, which is not on the page")
    for name, tag, kind in expected_controls(panels, app):
        if name not in page.elements:
            found.append(f"{name} is not on the page")
            continue
        actual_tag, attributes = page.elements[name]
        if tag is not None and actual_tag != tag:
            found.append(f"{name} is a <{actual_tag}>, not a <{tag}>")
        if kind is not None and attributes.get("type") != kind:
            found.append(f"{name} is of type {attributes.get('type')}, not {kind}")
    if sorted(page.alternates) != sorted(languages + ["x-default"]):
        found.append(f"alternates for {sorted(page.alternates)}")
    elif page.alternates["x-default"] != page.alternates[languages[0]]:
        found.append("x-default is not the root page")
    if [hreflang for hreflang, _ in page.languages] != languages:
        found.append(f"languages on screen: {page.languages}")
    for hreflang, href in list(page.alternates.items()) + page.languages:
        if not exists(href):
            found.append(f"the {hreflang} link {href} leads nowhere")
    if not page.noscript.strip():
        found.append("no <noscript> message")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--onefile", required=True)
    # The site's languages, the first at its root.
    parser.add_argument("--languages", required=True, type=lambda text: text.split(","))
    parser.add_argument("--expected", required=True)
    args = parser.parse_args()
    native = subprocess.run([args.expected], capture_output=True, check=True).stdout
    window = json.loads(native)["window"]
    site = pathlib.Path(args.site)
    # The script the root page loads, by its name with its content's hash.
    script = re.search(r'<script type="module" src="([^"]+)"',
                       (site / "index.html").read_text(encoding="utf-8"))[1]
    app = (site / script).read_text(encoding="utf-8")
    onefile = pathlib.Path(args.onefile)
    failed = False
    for lang in args.languages:
        root = lang == args.languages[0]
        folder = site if root else site / lang
        single = onefile if root else onefile.with_name(f"{onefile.stem}-{lang}.html")
        for path in (folder / "index.html", single):
            def exists(href, base=path.parent):
                target = (base / href).resolve()
                return (target / "index.html").is_file() if target.is_dir() else target.is_file()
            found = problems(Page(path.read_text(encoding="utf-8")), lang, args.languages, app,
                             window, exists)
            name = path.relative_to(path.parent.parent)
            for problem in found:
                print(f"{name}: {problem}")
            print(f"{name}: {len(found)} problems")
            failed = failed or bool(found)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
