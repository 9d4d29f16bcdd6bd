#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the page together from web/ and the WebAssembly build:

- site/: index.html, app.js, velmarit.css, velmarit.js +
  velmarit-<hash>.wasm, the manifest, the service worker and the icons, for
  any static web host;
- Velmarit.html: the same page as one file that works from disk: style,
  scripts and WebAssembly inline, no manifest and no service worker;
- Velmarit-<version>-web.zip (the site) and SHA256SUMS.

Two runs on the same sources give the same bytes: nothing here reads a
clock, and the zip's times come from SOURCE_DATE_EPOCH (else the last
commit). Needs nothing but Python 3."""

import argparse
import base64
import hashlib
import html
import json
import os
import pathlib
import runpy
import shutil
import subprocess
import time
import types
import zipfile
import zlib

SITE_CSP = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
            "img-src 'self'; connect-src 'self'; manifest-src 'self'; worker-src 'self'; "
            "object-src 'none'; base-uri 'none'; form-action 'none'")

# What the page links to in its site form; the one-file form replaces each.
STYLE_LINK = '<link rel="stylesheet" href="velmarit.css">'
SCRIPT_TAG = '<script type="module" src="app.js"></script>'
SITE_ONLY_LINKS = ['<link rel="manifest" href="manifest.webmanifest">']
ICON_LINK = '<link rel="icon" href="icons/velmarit-192.png">'
LOADER_IMPORT = "import createVelmarit from './velmarit.js';"
LOADER_EXPORT = "export default createVelmarit;"

WINDOW_BLUE = (128, 128, 255)  # the window's light blue


# The three decoder panels, in the window's order and with its control
# names. Their markup is written once, below; the page shows every control
# without any script, so it is put into the page here rather than by app.js.
PANELS = [
    {"name": "Delta", "decoder": "Delta-Decoder", "result": "Delta-Adresse",
     "switches": "chkSwitchLokDelta", "count": 4, "paired": False, "typed": "txtSwitchLokDelta",
     "maxlength": 4, "fromTyped": "lblAdresseLokDelta", "fromTicked": "lblAnzeigeLokDelta",
     "initial": "analog"},
    {"name": "Digital", "decoder": "Digital-Decoder", "result": "Lok-Adresse",
     "switches": "chkSwitchLok", "count": 8, "paired": True, "typed": "txtSwitchLok",
     "maxlength": 4, "fromTyped": "lblAdresseLok", "fromTicked": "lblAnzeigeLok",
     "initial": "", "address": "txtDigital", "addressMaxlength": 2, "addressName": "Adresse",
     "switchList": "lblDelta"},
    {"name": "Weichen", "decoder": "Weichen-Decoder", "result": "Weichenadresse",
     "switches": "chkSwitchMA", "count": 10, "paired": True, "typed": "txtSwitchMA",
     "maxlength": 6, "fromTyped": "lblAdresseMA", "fromTicked": "lblAnzeigeMA",
     "initial": "", "address": "txtWeichen", "addressMaxlength": None,
     "addressName": "Weichenadresse", "switchList": "lblWeichen"},
]

PANEL_HTML = """\
  <section class="panel" id="pnl{name}" aria-labelledby="h{name}">
    <h2 id="h{name}">{decoder}</h2>
    <div class="frames">
      <fieldset class="frame decode">
        <legend> decodieren </legend>
        <div class="typed">
          <input type="text" id="{typed}" class="switchnumbers" inputmode="numeric" \
maxlength="{maxlength}" autocomplete="off" autocapitalize="off" spellcheck="false" \
aria-label="{decoder}: Nummern der Schalter auf ON" aria-describedby="{fromTyped}">
          <output id="{fromTyped}" class="result" for="{typed}" \
aria-describedby="{fromTyped}Desc">{initial}</output>
          <span class="sr-only" id="{fromTyped}Desc">{result} aus den eingegebenen \
Schalternummern</span>
        </div>
        <div class="ticked">
          <div class="dip" role="group" aria-label="{decoder}, Schalter">
            <span class="onmark" aria-hidden="true">ON</span>
{slots}          </div>
          <output id="{fromTicked}" class="result" \
aria-describedby="{fromTicked}Desc">{initial}</output>
          <span class="sr-only" id="{fromTicked}Desc">{result} aus den angekreuzten \
Schaltern</span>
        </div>
      </fieldset>
{encode}    </div>
  </section>
"""

# A DIP switch; the paired panels set each pair a little apart.
SLOT_HTML = """\
            <label class="{slot}"><span class="num" aria-hidden="true">{n}</span>\
<input type="checkbox" class="sw" id="{switches}{n}" aria-label="{decoder}, Schalter {n}">\
</label>
"""

# The Delta decoder has no address box: its fifteen addresses are a list.
DELTA_LIST_HTML = """\
      <fieldset class="frame encode">
        <legend> codieren </legend>
        <div class="listhead" id="lstDeltaHead" aria-hidden="true">Adresse  Switch ON</div>
        <ul id="lstDelta" aria-label="Delta-Decoder: Adressen und ihre Schalter auf ON"></ul>
      </fieldset>
"""

ADDRESS_HTML = """\
      <fieldset class="frame encode">
        <legend> codieren </legend>
        <div class="row">
          <label for="{address}">Adresse</label>
          <input type="text" id="{address}" class="address" inputmode="numeric" \
{maxlengthAttribute}autocomplete="off" spellcheck="false" \
aria-label="{decoder}: {addressName}">
        </div>
        <div class="row">
          <span class="caption" id="{switchList}Caption">Switch ON</span>
          <output id="{switchList}" class="result list" for="{address}" \
aria-labelledby="{switchList}Caption" aria-describedby="{switchList}Desc"></output>
          <span class="sr-only" id="{switchList}Desc">Schalter auf ON für die eingegebene \
{result}</span>
        </div>
      </fieldset>
"""


def panel_html(panel):
    slots = "".join(
        SLOT_HTML.format(slot="slot pairstart" if panel["paired"] and n % 2 == 1 and n > 1
                         else "slot", n=n, **panel)
        for n in range(1, panel["count"] + 1))
    if "address" in panel:
        limit = panel["addressMaxlength"]
        encode = ADDRESS_HTML.format(
            maxlengthAttribute=f'maxlength="{limit}" ' if limit else "", **panel)
    else:
        encode = DELTA_LIST_HTML
    return PANEL_HTML.format(slots=slots, encode=encode, **panel)


def load_icon_plan(path):
    """The icon script's functions, without running it as a program."""
    return types.SimpleNamespace(**runpy.run_path(str(path)))


def icon_png(plan, size, scale, ground=None):
    """The 16 x 16 pixel plan of the program's icon, each pixel a `scale`
    square, centred on a `size` square; `ground` fills the transparent
    pixels (a maskable icon must have no holes)."""
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
        raise SystemExit(f"assemble.py: expected exactly one {old!r} in the page")
    return text.replace(old, new)


def csp_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def info_text(version, holder, contact):
    # The information box's six lines; the minor number is left out, as the
    # window's box shows "2.3" for release 2.0.3.
    major, _minor, revision = version.split(".")
    return "\n".join([
        "Programm:     Velmarit",
        f"Release :       {major}.{revision}",
        "",
        f"Copyright :     {holder}",
        "",
        f"mailto :           {contact}",
    ])


def main():
    parser = argparse.ArgumentParser()
    for name in ("page", "wasm", "icon-plan", "source", "out", "version", "author",
                 "copyright-holder", "contact"):
        parser.add_argument("--" + name, required=True)
    args = parser.parse_args()
    page, wasm, out = pathlib.Path(args.page), pathlib.Path(args.wasm), pathlib.Path(args.out)

    values = {
        "@VERSION@": html.escape(args.version),
        "@AUTHOR@": html.escape(args.author),
        "@INFO_TEXT@": html.escape(info_text(args.version, args.copyright_holder, args.contact)),
    }
    index = (page / "index.html").read_text(encoding="utf-8")
    index = replace_once(index, "@PANELS@\n", "".join(map(panel_html, PANELS)))
    for key, value in values.items():
        index = index.replace(key, value)

    plan = load_icon_plan(args.icon_plan)
    icons = {
        "icons/velmarit-192.png": icon_png(plan, 192, 12),
        # Maskable: the safe zone is the middle 80 %; the block stays well
        # inside it, on the window's light blue.
        "icons/velmarit-512.png": icon_png(plan, 512, 20, WINDOW_BLUE),
    }

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
        "app.js": (page / "app.js").read_bytes(),
        "velmarit.css": (page / "velmarit.css").read_bytes(),
        "velmarit.js": site_loader.encode(),
        module_name: module,
        **icons,
    }
    manifest = json.loads((page / "manifest.webmanifest").read_text(encoding="utf-8"))
    files["manifest.webmanifest"] = (json.dumps(manifest, ensure_ascii=False, indent=2)
                                     + "\n").encode()
    files["index.html"] = replace_once(index, "@CSP@", SITE_CSP).encode()

    # The cache name changes with every byte of the site, so a new version
    # replaces the old cache instead of mixing with it.
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode() + b"\0" + files[name] + b"\0")
    cache = f"velmarit-{args.version}-{digest.hexdigest()[:16]}"
    precache = ["./"] + sorted(n for n in files if n != "index.html")
    worker = (page / "sw.js").read_text(encoding="utf-8")
    worker = replace_once(worker, "'@CACHE@'", json.dumps(cache))
    worker = replace_once(worker, "['@FILES@']", json.dumps(precache))
    files["sw.js"] = worker.encode()

    site = out / "site"
    if site.exists():
        shutil.rmtree(site)
    for name, data in files.items():
        target = site / name
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)

    # The one-file page.
    loader = (wasm / "velmarit-single.js").read_text(encoding="utf-8")
    loader = replace_once(loader, LOADER_EXPORT, "")
    app = replace_once((page / "app.js").read_text(encoding="utf-8"), LOADER_IMPORT, "")
    script = loader + "\n" + app
    style = (page / "velmarit.css").read_text(encoding="utf-8")
    one = index
    for link in SITE_ONLY_LINKS:
        one = replace_once(one, link, "")
    icon_url = "data:image/png;base64," + base64.b64encode(icons["icons/velmarit-192.png"]).decode()
    one = replace_once(one, ICON_LINK, f'<link rel="icon" href="{icon_url}">')
    one = replace_once(one, STYLE_LINK, "<style>" + style + "</style>")
    one = replace_once(one, SCRIPT_TAG, '<script type="module">' + script + "</script>")
    # The loader first looks for its inline WebAssembly through fetch().
    one_csp = (f"default-src 'none'; script-src {csp_hash(script)} 'wasm-unsafe-eval'; "
               f"style-src {csp_hash(style)}; img-src data:; connect-src data:; "
               "base-uri 'none'; form-action 'none'")
    one = replace_once(one, "@CSP@", one_csp)
    (out / "Velmarit.html").write_text(one, encoding="utf-8")

    # The zip: names sorted, one fixed time, fixed modes.
    when = source_date(args.source)
    stamp = time.gmtime(max(when, 315532800))[:6]
    zip_name = f"Velmarit-{args.version}-web.zip"
    with zipfile.ZipFile(out / zip_name, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name in sorted(files):
            info = zipfile.ZipInfo(f"Velmarit-{args.version}-web/{name}", date_time=stamp)
            info.external_attr = 0o644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, files[name])

    sums = "".join(f"{hashlib.sha256((out / n).read_bytes()).hexdigest()}  {n}\n"
                   for n in ("Velmarit.html", zip_name))
    (out / "SHA256SUMS").write_text(sums, encoding="ascii")


if __name__ == "__main__":
    main()
