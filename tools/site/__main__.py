# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The site tool: makes the page from web/ and the WebAssembly build, once
for each language of --languages, whose texts are in texts/ (the first at
the site's root, the others in a folder named for their language), and
leaves in --out:

- site/: each language's index.html and manifest, and once for all of them
  app-<hash>.js, velmarit-<hash>.css, velmarit-<hash>.js with
  velmarit-<hash>.wasm (each name carries its content's hash), the service
  worker with every file's digest, the icons and the screenshots the
  manifests show, for any static web host;
- Velmarit.html, Velmarit-en.html, ...: each language's page as one file
  that works from disk;
- Velmarit-<version>-web.zip (the site and the one-file pages) and
  SHA256SUMS.

Each job is a module of its own beside this one. Two runs on the same
sources give the same bytes: nothing reads a clock, and the zip's times
come from SOURCE_DATE_EPOCH (else the last commit). Needs Python 3, and
Chromium for the screenshots.

Usage: python3 tools/site --web DIR --texts DIR --languages de en ...
--wasm DIR --source DIR --out DIR --version X.Y.Z --author A
--copyright-holder H --contact C --chromium PATH"""

import argparse
import json
import pathlib
import shutil
import sys

# The program icon's plan and drawing are the packaging's.
sys.path.append(str(pathlib.Path(__file__).resolve().parents[2] / "packaging"))

import archive  # noqa: E402
import bundle  # noqa: E402
import csp  # noqa: E402
import digest  # noqa: E402
import icons  # noqa: E402
import manifest  # noqa: E402
import onefile  # noqa: E402
import pages  # noqa: E402
import screenshots  # noqa: E402
import webassembly  # noqa: E402
import worker  # noqa: E402
from panels import Panels  # noqa: E402
from render import load_templates, replace_once  # noqa: E402


def arguments():
    parser = argparse.ArgumentParser(prog="site")
    # The first is the site's root and every page's x-default.
    parser.add_argument("--languages", nargs="+", required=True)
    for name in ("web", "texts", "wasm", "source", "out", "version", "author",
                 "copyright-holder", "contact", "chromium"):
        parser.add_argument("--" + name, required=True)
    return parser.parse_args()


def main():
    args = arguments()
    web, wasm, out = pathlib.Path(args.web), pathlib.Path(args.wasm), pathlib.Path(args.out)
    site = pages.Site(args.languages)
    panels = Panels(web / "panels.json")
    all_texts = {lang: json.loads((pathlib.Path(args.texts) / f"{lang}.json")
                                  .read_text(encoding="utf-8"))
                 for lang in site.languages}
    major, _minor, revision = args.version.split(".")
    values = {"version": args.version, "author": args.author, "product": "Velmarit",
              "major": major, "revision": revision, "holder": args.copyright_holder,
              "contact": args.contact}
    templates = load_templates(web / "templates")
    head_script = bundle.code((web / "head.js").read_text(encoding="utf-8"))
    head_script = replace_once(head_script, "['@FRAGMENTS@']", json.dumps(panels.bar_fragments()))
    head_script = replace_once(head_script, "['@LANGUAGES@']", json.dumps(site.languages))
    app = bundle.script(web / "app" / "main.js")
    style = bundle.style(web / "velmarit.css")
    icon_files = icons.site_icons()

    # The files a page loads by name, each name with its content's hash:
    # the loader (which names its WebAssembly), the script (which names
    # the loader), the style.
    loader_name, files = webassembly.site_files(wasm)
    site_app = replace_once(app, onefile.LOADER_IMPORT, f"import('./{loader_name}')").encode()
    loads = {"script": digest.hashed_name("app.js", site_app),
             "style": digest.hashed_name("velmarit.css", style.encode())}
    files.update({loads["script"]: site_app, loads["style"]: style.encode(), **icon_files})
    loads = {kind: (name, digest.integrity(files[name])) for kind, name in loads.items()}

    def page(lang, one):
        return pages.page_html(templates, site, head_script, lang, all_texts, panels, values,
                               None if one else loads)

    # The one-file pages first: the screenshots are taken of them.
    loader = webassembly.onefile_loader(wasm)
    onefiles = [site.onefile(lang) for lang in site.languages]
    for lang in site.languages:
        (out / site.onefile(lang)).write_text(
            onefile.onefile_page(page(lang, True), head_script, loader, app, style,
                                 icon_files[icons.FAVICON]), encoding="utf-8")

    # Not kept by the service worker: only an installing browser asks.
    shots = {}
    for lang in site.languages:
        shot_files, shots[lang] = screenshots.screenshots(
            args.chromium, out / site.onefile(lang), lang, out / "screenshot-cache")
        files.update(shot_files)
    # What every language's page needs offline; each language's page and
    # manifest the service worker keeps from its first visit on.
    shared = sorted(name for name in files if not name.startswith("screenshots/"))

    for lang in site.languages:
        folder = site.folder(lang)
        files[folder + "manifest.webmanifest"] = manifest.manifest_bytes(
            site, lang, all_texts[lang], panels, values, shots[lang])
        files[folder + "index.html"] = csp.site_policy(page(lang, False), head_script).encode()

    cache = worker.cache_name(args.version, files)
    # The worker's comments, too, are for the reader of web/.
    source = (web / "sw.js").read_text(encoding="utf-8")
    source = "".join(bundle.LICENCE.findall(source)) + bundle.code(source)
    files["sw.js"] = worker.service_worker(source, cache, files, shared,
                                           [site.folder(lang) for lang in site.languages]).encode()

    target = out / "site"
    if target.exists():
        shutil.rmtree(target)
    for name, data in files.items():
        path = target / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)

    zip_name = f"Velmarit-{args.version}-web.zip"
    archive.write_zip(out / zip_name, f"Velmarit-{args.version}-web",
                      {**files, **{name: (out / name).read_bytes() for name in onefiles}},
                      archive.source_date(args.source))
    archive.write_sums(out, onefiles + [zip_name])


if __name__ == "__main__":
    main()
