# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Each language's page: the frame of web/templates/index.html with the
panels, the language links and the data the page's script reads, for the
site and for the one-file page."""

import html
import json

from icons import WINDOW_BLUE_HEX
from render import dotted, fill, filled, overlay, render


class Site:
    """Where each language's page lives, on the site and as one file: the
    first language at the site's root and as Velmarit.html, each other in a
    folder and a file of its name."""

    def __init__(self, languages):
        self.languages = languages
        self.root_language = languages[0]

    def folder(self, lang):
        return "" if lang == self.root_language else lang + "/"

    def root(self, lang):
        return "" if lang == self.root_language else "../"

    def link(self, from_lang, to_lang):
        return (self.root(from_lang) + self.folder(to_lang)) or "./"

    def onefile(self, lang):
        return "Velmarit.html" if lang == self.root_language else f"Velmarit-{lang}.html"


def panel_html(templates, panel, texts):
    words = texts["panels"][panel["name"]]
    lookup = dotted({**texts, "p": words, "id": panel})
    slots = ""
    for n in range(1, panel["count"] + 1):
        # The paired decoders set each pair a little apart.
        pairstart = panel["paired"] and n % 2 == 1 and n > 1
        extra = {"n": n, "slotClass": "slot pairstart" if pairstart else "slot",
                 "switchName": html.escape(fill(words["switch"], {"n": n}))}
        slots += render(templates["slot"], overlay(extra, lookup))
    if "address" in panel:
        limit = panel["addressMaxlength"]
        extra = {"maxlength": f'maxlength="{limit}" ' if limit else ""}
        encode = render(templates["address"], overlay(extra, lookup))
    else:
        encode = render(templates["list"], lookup)
    return render(templates["panel"], overlay({"slots": slots, "encode": encode}, lookup))


def info_html(texts, values):
    """The information dialog's lines; the contact is a link to write to."""
    contact = values["contact"]
    link = (f'<a href="mailto:{html.escape(contact)}">{html.escape(contact)}</a>')
    lines = []
    for line in texts["info"]["lines"]:
        parts = line.split("{contact}")
        lines.append(link.join(html.escape(fill(part, values)) for part in parts))
    return "\n".join(lines)


def language_links(site, lang, all_texts, href):
    """"Deutsch · English · ...", each in its own language."""
    links = []
    for other in site.languages:
        current = ' aria-current="page"' if other == lang else ""
        links.append(f'  <a href="{html.escape(href(other))}" hreflang="{other}" lang="{other}"'
                     f'{current}>{html.escape(all_texts[other]["name"])}</a>')
    return '\n  <span aria-hidden="true">·</span>\n'.join(links) + "\n"


def offers(site, lang, all_texts, href):
    """The root page's offers of the page in a visitor's own language;
    the head's script shows the one the browser prefers."""
    if lang != site.root_language:
        return ""
    return "".join(f'  <a class="offer" href="{html.escape(href(other))}" hreflang="{other}" '
                   f'lang="{other}">{html.escape(all_texts[other]["offer"])}</a>\n'
                   for other in site.languages[1:])


def alternates(site, href):
    links = "".join(f'<link rel="alternate" hreflang="{lang}" href="{html.escape(href(lang))}">\n'
                    for lang in site.languages)
    return links + (f'<link rel="alternate" hreflang="x-default" '
                    f'href="{html.escape(href(site.root_language))}">\n')


def page_html(templates, site, head_script, lang, all_texts, panels, values, loads):
    """A language's page; `head_script` is what runs in its head. `loads`:
    the site's script and style, each as (name, digest); None for the
    one-file page. Its Content Security Policy is left as @CSP@ for the
    caller."""
    texts = filled(all_texts[lang], values)
    tabs = "".join(
        f'  <a href="#{panel["fragment"]}" data-fragment="{panel["fragment"]}">'
        f'{html.escape(texts["panels"][panel["name"]]["tab"])}</a>\n'
        for panel in panels.bar)
    root = site.root(lang)
    if not loads:
        href = site.onefile
        head = ""
    else:
        def href(other):
            return site.link(lang, other)
        # A script or style of another release, or one cut short, is not
        # run: the page then says it could not start (web/head.js).
        style, script = loads["style"], loads["script"]
        head = ('<link rel="manifest" href="manifest.webmanifest">\n'
                f'<link rel="icon" href="{root}icons/velmarit-192.png">\n'
                f'<link rel="apple-touch-icon" href="{root}icons/velmarit-180.png">\n'
                f'<link rel="stylesheet" href="{root}{style[0]}" integrity="{style[1]}">\n'
                f'<script type="module" src="{root}{script[0]}" integrity="{script[1]}"></script>\n')
    library = texts.get("library", {})
    data = {
        "lang": lang,
        # The one-file page has no service worker: its policy allows none.
        "worker": f"{root}sw.js" if loads else None,
        "panels": panels.panels,
        "words": library.get("words"),
        "tables": library.get("tables"),
        "picture": texts["tables"]["picture"],
        "messages": texts["messages"],
    }
    extra = {
        "csp": "@CSP@",
        "themeColour": WINDOW_BLUE_HEX,
        "head": alternates(site, href) + f"<script>{head_script}</script>\n" + head,
        "languages": (language_links(site, lang, all_texts, href)
                      + offers(site, lang, all_texts, href)),
        "tabs": tabs,
        "panels": "".join(panel_html(templates, panel, texts) for panel in panels.panels),
        "infoText": info_html(all_texts[lang], values),
        "data": json.dumps(data, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/"),
    }
    return render(templates["index"], overlay(extra, dotted(texts)))
