#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the page together from web/ and the WebAssembly build, once for each
language of texts/ (German at the site's root, the others in a folder
named for their language):

- site/: each language's index.html and manifest, and once for all of them
  app.js, velmarit.css, velmarit.js + velmarit-<hash>.wasm, the service worker, the
  icons and the screenshots the manifests show, for any static web host;
- Velmarit.html, Velmarit-en.html, ...: each language's page as one file
  that works from disk: style, scripts and WebAssembly inline, no manifest
  and no service worker;
- Velmarit-<version>-web.zip (the site and the one-file pages) and
  SHA256SUMS.

Every text comes from the language's file in texts/, every control name
from web/panels.json; the page's markup (web/index.html, and the panels'
below) is written once for all of them.

Two runs on the same sources give the same bytes: nothing here reads a
clock, and the zip's times come from SOURCE_DATE_EPOCH (else the last
commit). Needs Python 3, and Chromium for the screenshots."""

import argparse
import base64
import hashlib
import html
import json
import os
import pathlib
import re
import runpy
import shutil
import subprocess
import tempfile
import time
import types
import zipfile
import zlib

# German first: it is the site's root and the x-default of every page.
LANGUAGES = ["de", "en", "nl", "fr"]

SITE_CSP = ("default-src 'self'; script-src 'self' @HEAD@ 'wasm-unsafe-eval'; "
            "style-src 'self'; img-src 'self'; connect-src 'self'; manifest-src 'self'; "
            "worker-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'")

# Where app.js fetches the loader on the site; the one-file page has it inline.
LOADER_IMPORT = "import('./velmarit.js')"
LOADER_EXPORT = "export default createVelmarit;"

WINDOW_BLUE = (128, 128, 255)  # the window's light blue

# The screenshots the manifests show when the page is installed: a phone
# upright (at twice its pixels, as phones draw) and a wide screen.
SCREENSHOTS = [("narrow", 360, 740, 2, "#lok"), ("wide", 1280, 800, 1, "")]

# A decoder panel. `p.` is the panel's texts, `id.` its control names.
PANEL_HTML = """\
  <section class="panel" id="pnl{{id.name}}" data-fragment="{{id.fragment}}" \
aria-labelledby="h{{id.name}}">
    <h2 id="h{{id.name}}">{{p.heading}}</h2>
    <div class="frames">
      <fieldset class="frame decode">
        <legend>{{frames.decode}}</legend>
        <div class="typed">
          <label class="fieldlabel" for="{{id.typed}}">{{p.typedLabel}}</label>
          <input type="text" id="{{id.typed}}" class="switchnumbers" inputmode="numeric" \
maxlength="{{id.maxlength}}" placeholder="{{p.typedPlaceholder}}" autocomplete="off" \
autocapitalize="off" spellcheck="false" aria-label="{{p.typedName}}" \
aria-describedby="{{id.fromTyped}}">
          <output id="{{id.fromTyped}}" class="result" for="{{id.typed}}" \
aria-describedby="{{id.fromTyped}}Desc"></output>
          <span class="sr-only" id="{{id.fromTyped}}Desc">{{p.fromTyped}}</span>
        </div>
        <div class="ticked">
          <div class="dip" role="group" aria-label="{{p.dip}}">
            <span class="onmark" aria-hidden="true">{{dip.on}}</span>
{{=slots}}          </div>
          <output id="{{id.fromTicked}}" class="result" \
aria-describedby="{{id.fromTicked}}Desc"></output>
          <span class="sr-only" id="{{id.fromTicked}}Desc">{{p.fromTicked}}</span>
        </div>
      </fieldset>
{{=encode}}    </div>
  </section>
"""

# A DIP switch: the lever, and its number printed below it as on the block.
# The paired decoders set each pair a little apart.
SLOT_HTML = """\
            <label class="{{=slotClass}}"><input type="checkbox" class="sw" \
id="{{id.switches}}{{=n}}" aria-label="{{=switchName}}"><span class="num" \
aria-hidden="true">{{=n}}</span></label>
"""

# The Delta decoder has no address box: its fifteen addresses are a list.
LIST_HTML = """\
      <fieldset class="frame encode">
        <legend>{{frames.encode}}</legend>
        <div class="listhead" id="{{id.list}}Head" aria-hidden="true">{{p.listHead}}</div>
        <ul id="{{id.list}}" aria-label="{{p.list}}"></ul>
      </fieldset>
"""

ADDRESS_HTML = """\
      <fieldset class="frame encode">
        <legend>{{frames.encode}}</legend>
        <div class="row">
          <label for="{{id.address}}">{{p.addressLabel}}</label>
          <input type="text" id="{{id.address}}" class="address" inputmode="numeric" \
{{=maxlength}}placeholder="{{p.addressPlaceholder}}" autocomplete="off" spellcheck="false" \
aria-label="{{p.addressName}}">
        </div>
        <div class="row">
          <span class="caption" id="{{id.switchList}}Caption">{{p.switchListCaption}}</span>
          <output id="{{id.switchList}}" class="result list" for="{{id.address}}" \
aria-labelledby="{{id.switchList}}Caption" aria-describedby="{{id.switchList}}Desc"></output>
          <span class="sr-only" id="{{id.switchList}}Desc">{{p.switchList}}</span>
        </div>
      </fieldset>
"""

# The decoder bar of a phone, in the order an operator reaches for them; the
# first is shown when the address names none.
TAB_ORDER = ["lok", "weichen", "delta"]


def in_tab_order(panels):
    by_fragment = {panel["fragment"]: panel for panel in panels}
    return [by_fragment[fragment] for fragment in TAB_ORDER]

PLACEHOLDER = re.compile(r"\{\{(=?)([\w.]+)\}\}")


def render(template, lookup):
    """Fills {{key}} with the escaped text of `key` and {{=key}} with the
    markup of `key`; a key that does not exist stops the build."""
    def value(match):
        raw, key = match.groups()
        try:
            found = lookup(key)
        except KeyError:
            raise SystemExit(f"assemble.py: no text or value for {{{{{raw}{key}}}}}") from None
        if not isinstance(found, (str, int)):
            raise SystemExit(f"assemble.py: {key} is not a text")
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


def panel_html(panel, texts):
    words = texts["panels"][panel["name"]]
    lookup = dotted({**texts, "p": words, "id": panel})
    slots = ""
    for n in range(1, panel["count"] + 1):
        pairstart = panel["paired"] and n % 2 == 1 and n > 1
        extra = {"n": n, "slotClass": "slot pairstart" if pairstart else "slot",
                 "switchName": html.escape(fill(words["switch"], {"n": n}))}
        slots += render(SLOT_HTML, overlay(extra, lookup))
    if "address" in panel:
        limit = panel["addressMaxlength"]
        extra = {"maxlength": f'maxlength="{limit}" ' if limit else ""}
        encode = render(ADDRESS_HTML, overlay(extra, lookup))
    else:
        encode = render(LIST_HTML, lookup)
    return render(PANEL_HTML, overlay({"slots": slots, "encode": encode}, lookup))


def info_html(texts, values):
    """The information dialog's lines; the contact is a link to write to."""
    contact = values["contact"]
    link = (f'<a href="mailto:{html.escape(contact)}">{html.escape(contact)}</a>')
    lines = []
    for line in texts["info"]["lines"]:
        parts = line.split("{contact}")
        lines.append(link.join(html.escape(fill(part, values)) for part in parts))
    return "\n".join(lines)


class Site:
    """Where each language's page lives, on the site and as one file."""

    @staticmethod
    def folder(lang):
        return "" if lang == LANGUAGES[0] else lang + "/"

    @staticmethod
    def root(lang):
        return "" if lang == LANGUAGES[0] else "../"

    @staticmethod
    def link(from_lang, to_lang):
        return (Site.root(from_lang) + Site.folder(to_lang)) or "./"

    @staticmethod
    def onefile(lang):
        return "Velmarit.html" if lang == LANGUAGES[0] else f"Velmarit-{lang}.html"


def language_links(lang, all_texts, href):
    """"Deutsch · English · Nederlands · Français", each in its own language."""
    links = []
    for other in LANGUAGES:
        current = ' aria-current="page"' if other == lang else ""
        links.append(f'  <a href="{html.escape(href(other))}" hreflang="{other}" lang="{other}"'
                     f'{current}>{html.escape(all_texts[other]["name"])}</a>')
    return '\n  <span aria-hidden="true">·</span>\n'.join(links) + "\n"


def offers(lang, all_texts, href):
    """The German root's offers of the page in a visitor's own language;
    the head's script shows the one the browser prefers."""
    if lang != LANGUAGES[0]:
        return ""
    return "".join(f'  <a class="offer" href="{html.escape(href(other))}" hreflang="{other}" '
                   f'lang="{other}">{html.escape(all_texts[other]["offer"])}</a>\n'
                   for other in LANGUAGES[1:])


def alternates(href):
    links = "".join(f'<link rel="alternate" hreflang="{lang}" href="{html.escape(href(lang))}">\n'
                    for lang in LANGUAGES)
    return links + (f'<link rel="alternate" hreflang="x-default" '
                    f'href="{html.escape(href(LANGUAGES[0]))}">\n')


def page_html(template, script, lang, all_texts, panels, values, onefile):
    """A language's page; `script` is what runs in its head."""
    texts = filled(all_texts[lang], values)
    tabs = "".join(
        f'  <a href="#{panel["fragment"]}" data-fragment="{panel["fragment"]}">'
        f'{html.escape(texts["panels"][panel["name"]]["tab"])}</a>\n'
        for panel in in_tab_order(panels))
    if onefile:
        href = Site.onefile
        head = ""
    else:
        root = Site.root(lang)

        def href(other):
            return Site.link(lang, other)
        head = ('<link rel="manifest" href="manifest.webmanifest">\n'
                f'<link rel="icon" href="{root}icons/velmarit-192.png">\n'
                f'<link rel="apple-touch-icon" href="{root}icons/velmarit-180.png">\n'
                f'<link rel="stylesheet" href="{root}velmarit.css">\n'
                f'<script type="module" src="{root}app.js"></script>\n')
    library = texts.get("library", {})
    data = {
        "lang": lang,
        "root": "" if onefile else Site.root(lang),
        "panels": panels,
        "words": library.get("words"),
        "tables": library.get("tables"),
        "picture": texts["tables"]["picture"],
        "messages": texts["messages"],
    }
    extra = {
        "csp": "@CSP@",
        "head": alternates(href) + f"<script>{script}</script>\n" + head,
        "languages": language_links(lang, all_texts, href) + offers(lang, all_texts, href),
        "tabs": tabs,
        "panels": "".join(panel_html(panel, texts) for panel in panels),
        "infoText": info_html(all_texts[lang], values),
        "data": json.dumps(data, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/"),
    }
    return render(template, overlay(extra, dotted(texts)))


def manifest(lang, texts, panels, values, shots):
    root = Site.root(lang)
    words = filled(texts, values)
    icons = []
    for size in (192, 512):
        icons.append({"src": f"{root}icons/velmarit-{size}.png", "sizes": f"{size}x{size}",
                      "type": "image/png", "purpose": "any"})
        icons.append({"src": f"{root}icons/velmarit-maskable-{size}.png",
                      "sizes": f"{size}x{size}", "type": "image/png", "purpose": "maskable"})
    shortcuts = [{"name": words["manifest"]["shortcuts"][panel["fragment"]],
                  "short_name": words["panels"][panel["name"]]["tab"],
                  "url": f"./#{panel['fragment']}",
                  "icons": [{"src": f"{root}icons/velmarit-192.png", "sizes": "192x192",
                             "type": "image/png"}]}
                 for panel in in_tab_order(panels)]
    screenshots = [{"src": f"{root}{name}", "sizes": f"{width}x{height}", "type": "image/png",
                    "form_factor": form, "label": words["manifest"]["screenshots"][form]}
                   for form, name, width, height in shots]
    return {
        "id": "./",
        "name": "Velmarit",
        "short_name": "Velmarit",
        "description": words["manifest"]["description"],
        "lang": lang,
        "dir": "ltr",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": "#8080ff",
        "theme_color": "#8080ff",
        "icons": icons,
        "screenshots": screenshots,
        "shortcuts": shortcuts,
    }


def load_icon_plan(path):
    """The icon script's functions, without running it as a program."""
    return types.SimpleNamespace(**runpy.run_path(str(path)))


def icon_png(plan, size, scale, ground=None):
    """The 16 x 16 pixel plan of the program's icon, each pixel a `scale`
    square, centred on a `size` square; `ground` fills the transparent
    pixels (a maskable or a home-screen icon must have no holes)."""
    grid = plan.pixels()
    offset = (size - plan.SIZE * scale) // 2
    transparent = (0, 0, 0, 0) if ground is None else ground + (255,)
    colours = {c: plan.PALETTE[c] + (255,) for c in plan.PALETTE}
    colours[plan.TRANSPARENT] = transparent
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        gy = (y - offset) // scale
        for x in range(size):
            gx = (x - offset) // scale
            inside = x >= offset and y >= offset and gx < plan.SIZE and gy < plan.SIZE
            raw.extend(colours[grid[gy][gx]] if inside else transparent)
    header = bytes.fromhex("%08x%08x" % (size, size)) + bytes([8, 6, 0, 0, 0])
    return (b"\x89PNG\r\n\x1a\n" + plan.chunk(b"IHDR", header)
            + plan.chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + plan.chunk(b"IEND", b""))


def icons(plan):
    return {
        "icons/velmarit-192.png": icon_png(plan, 192, 12),
        "icons/velmarit-512.png": icon_png(plan, 512, 32),
        # Maskable: a launcher cuts them to any shape inside the middle
        # 80 %; the block stays well inside it, on the window's light blue.
        "icons/velmarit-maskable-192.png": icon_png(plan, 192, 7, WINDOW_BLUE),
        "icons/velmarit-maskable-512.png": icon_png(plan, 512, 20, WINDOW_BLUE),
        # iOS fills transparent corners with black: an opaque square.
        "icons/velmarit-180.png": icon_png(plan, 180, 10, WINDOW_BLUE),
    }


def screenshot(chromium, page, lang, width, height, scale, fragment, cache):
    """A picture of the one-file page as a browser shows it, kept in `cache`
    by what it shows so that a build that changed nothing takes none."""
    key = hashlib.sha256(page.read_bytes() + f"{lang}{width}x{height}@{scale}{fragment}".encode())
    cached = cache / (key.hexdigest()[:32] + ".png")
    if cached.exists():
        return cached.read_bytes()
    cache.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as profile:
        shot = pathlib.Path(profile) / "shot.png"
        command = [chromium, "--headless=new", "--no-sandbox", "--disable-gpu",
                   "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                   f"--user-data-dir={profile}", f"--lang={lang}", f"--window-size={width},{height}",
                   f"--force-device-scale-factor={scale}", "--virtual-time-budget=5000",
                   f"--screenshot={shot}", page.resolve().as_uri() + fragment]
        subprocess.run(command, check=True, capture_output=True, timeout=120,
                       env={**os.environ, "HOME": profile})
        data = shot.read_bytes()
    cached.write_bytes(data)
    return data


def source_date(source):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout.strip()
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return 315532800  # 1980-01-01, the earliest time a zip can hold


def replace_once(text, old, new):
    if text.count(old) != 1:
        raise SystemExit(f"assemble.py: expected exactly one {old!r}")
    return text.replace(old, new)


def csp_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def onefile_page(page, head_script, loader, app, style, favicon):
    """The site's page with its style, scripts and WebAssembly inside."""
    script = replace_once(loader, LOADER_EXPORT, "") + "\n" + replace_once(
        app, LOADER_IMPORT, "Promise.resolve({ default: createVelmarit })")
    page = replace_once(page, "</head>",
                        f'<link rel="icon" href="{favicon}">\n<style>{style}</style>\n'
                        f'<script type="module">{script}</script>\n</head>')
    # The loader first looks for its inline WebAssembly through fetch().
    csp = (f"default-src 'none'; script-src {csp_hash(head_script)} {csp_hash(script)} "
           "'wasm-unsafe-eval'; "
           f"style-src {csp_hash(style)}; img-src data:; connect-src data:; "
           "base-uri 'none'; form-action 'none'")
    return replace_once(page, "@CSP@", csp)


def main():
    parser = argparse.ArgumentParser()
    for name in ("page", "texts", "wasm", "icon-plan", "source", "out", "version", "author",
                 "copyright-holder", "contact", "chromium"):
        parser.add_argument("--" + name, required=True)
    args = parser.parse_args()
    page, wasm, out = pathlib.Path(args.page), pathlib.Path(args.wasm), pathlib.Path(args.out)

    panels = json.loads((page / "panels.json").read_text(encoding="utf-8"))
    all_texts = {lang: json.loads((pathlib.Path(args.texts) / f"{lang}.json").read_text(encoding="utf-8"))
                 for lang in LANGUAGES}
    major, _minor, revision = args.version.split(".")
    values = {"version": args.version, "author": args.author, "product": "Velmarit",
              "major": major, "revision": revision, "holder": args.copyright_holder,
              "contact": args.contact}

    template = (page / "index.html").read_text(encoding="utf-8")
    head_script = (page / "head.js").read_text(encoding="utf-8")
    head_script = replace_once(head_script, "['@FRAGMENTS@']", json.dumps(TAB_ORDER))
    head_script = replace_once(head_script, "['@LANGUAGES@']", json.dumps(LANGUAGES))
    plan = load_icon_plan(args.icon_plan)
    icon_files = icons(plan)
    app = (page / "app.js").read_text(encoding="utf-8")
    style = (page / "velmarit.css").read_text(encoding="utf-8")

    # The WebAssembly's name carries its hash, and the loader asks for that
    # name: a loader never runs another release's WebAssembly, whichever
    # cache or host answers.
    module = (wasm / "velmarit.wasm").read_bytes()
    module_name = f"velmarit-{hashlib.sha256(module).hexdigest()[:16]}.wasm"
    site_loader = (wasm / "velmarit.js").read_text(encoding="utf-8")
    if '"velmarit.wasm"' not in site_loader:
        raise SystemExit("assemble.py: the loader does not name velmarit.wasm")
    site_loader = site_loader.replace('"velmarit.wasm"', json.dumps(module_name))

    files = {
        "app.js": app.encode(),
        "velmarit.css": style.encode(),
        "velmarit.js": site_loader.encode(),
        module_name: module,
        **icon_files,
    }

    # The one-file pages first: the screenshots are taken of them.
    loader = (wasm / "velmarit-single.js").read_text(encoding="utf-8")
    favicon = ("data:image/png;base64,"
               + base64.b64encode(icon_files["icons/velmarit-192.png"]).decode())
    onefiles = []
    for lang in LANGUAGES:
        one = onefile_page(
            page_html(template, head_script, lang, all_texts, panels, values, onefile=True),
            head_script, loader, app, style, favicon)
        (out / Site.onefile(lang)).write_text(one, encoding="utf-8")
        onefiles.append(Site.onefile(lang))

    # Not kept by the service worker: only an installing browser asks.
    shots = {}
    for lang in LANGUAGES:
        shots[lang] = []
        for form, width, height, scale, fragment in SCREENSHOTS:
            name = f"screenshots/{lang}-{form}.png"
            files[name] = screenshot(args.chromium, out / Site.onefile(lang), lang, width, height,
                                     scale, fragment, out / "screenshot-cache")
            shots[lang].append((form, name, width * scale, height * scale))
    # What every language's page needs offline; each language's page and
    # manifest the service worker keeps from its first visit on.
    shared = sorted(name for name in files if not name.startswith("screenshots/"))

    for lang in LANGUAGES:
        folder = Site.folder(lang)
        files[folder + "manifest.webmanifest"] = (json.dumps(
            manifest(lang, all_texts[lang], panels, values, shots[lang]),
            ensure_ascii=False, indent=2) + "\n").encode()
        files[folder + "index.html"] = replace_once(
            page_html(template, head_script, lang, all_texts, panels, values, onefile=False),
            "@CSP@", SITE_CSP.replace("@HEAD@", csp_hash(head_script))).encode()

    # The cache name changes with every byte of the site, so a new version
    # replaces the old cache instead of mixing with it.
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode() + b"\0" + files[name] + b"\0")
    cache = f"velmarit-{args.version}-{digest.hexdigest()[:16]}"
    pages = [Site.folder(lang) or "./" for lang in LANGUAGES]
    worker = (page / "sw.js").read_text(encoding="utf-8")
    worker = replace_once(worker, "'@CACHE@'", json.dumps(cache))
    worker = replace_once(worker, "['@FILES@']", json.dumps(shared))
    worker = replace_once(worker, "['@PAGES@']", json.dumps(pages))
    files["sw.js"] = worker.encode()

    site = out / "site"
    if site.exists():
        shutil.rmtree(site)
    for name, data in files.items():
        target = site / name
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)

    # The zip: names sorted, one fixed time, fixed modes.
    when = source_date(args.source)
    stamp = time.gmtime(max(when, 315532800))[:6]
    zip_name = f"Velmarit-{args.version}-web.zip"
    entries = {**files, **{name: (out / name).read_bytes() for name in onefiles}}
    with zipfile.ZipFile(out / zip_name, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name in sorted(entries):
            info = zipfile.ZipInfo(f"Velmarit-{args.version}-web/{name}", date_time=stamp)
            info.external_attr = 0o644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, entries[name])

    sums = "".join(f"{hashlib.sha256((out / n).read_bytes()).hexdigest()}  {n}\n"
                   for n in onefiles + [zip_name])
    (out / "SHA256SUMS").write_text(sums, encoding="ascii")


if __name__ == "__main__":
    main()
