#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The menu entry and the AppStream metadata in every language, read as a
desktop reads them: GLib's key-file lookup for the entry (the one GIO's
menus use) and libappstream for the metadata, under each locale. Both files
pass desktop-file-validate and appstreamcli validate. A texts folder with a
made-up language shows that its file alone brings its lines, that a file
without the sections leaves the language to the English default, and that
half a section stops the build.

Usage: languages_test.py PACKAGING_DIR TEXTS_DIR BUILT.desktop BUILT.metainfo.xml"""

import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

PACKAGING, TEXTS, DESKTOP, METAINFO = (pathlib.Path(p) for p in sys.argv[1:5])

# What a desktop under LC_ALL shows: the texts of that language, English
# for a language without texts of its own.
LOCALES = [
    ("de_DE.UTF-8", "de"), ("de_AT.UTF-8", "de"),
    ("en_US.UTF-8", "en"), ("en_GB.UTF-8", "en"),
    ("nl_NL.UTF-8", "nl"), ("nl_BE.UTF-8", "nl"),
    ("fr_FR.UTF-8", "fr"), ("fr_CA.UTF-8", "fr"),
    ("it_IT.UTF-8", "en"), ("C", "en"),
]

# Run in a process of its own under the locale: GLib takes the language
# from the environment once.
READ = r"""
import json, sys, gi
gi.require_version("AppStream", "1.0")
from gi.repository import GLib, Gio, AppStream
entry = GLib.KeyFile()
entry.load_from_file(sys.argv[1], GLib.KeyFileFlags.NONE)
text = lambda key: entry.get_locale_string("Desktop Entry", key, None)
metadata = AppStream.Metadata()
metadata.set_locale(sys.argv[3])
metadata.parse_file(Gio.File.new_for_path(sys.argv[2]), AppStream.FormatKind.XML)
component = metadata.get_component()
print(json.dumps({
    "desktop": {"name": text("Name"), "genericName": text("GenericName"),
                "comment": text("Comment"),
                "keywords": entry.get_locale_string_list("Desktop Entry", "Keywords", None)},
    "summary": component.get_summary(),
    "description": component.get_description(),
}))
"""


def shown(desktop, metainfo, locale):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("LC_", "LANG"))}
    env["LC_ALL"] = locale
    result = subprocess.run(["/usr/bin/python3", "-c", READ, str(desktop), str(metainfo),
                             locale.split(".")[0]],
                            env=env, capture_output=True, text=True, check=True)
    return json.loads(result.stdout)


def texts_of(folder, lang):
    return json.loads((folder / f"{lang}.json").read_text(encoding="utf-8"))


def description_texts(markup):
    """The paragraphs' and list items' texts, in the order shown."""
    root = ET.fromstring(f"<description>{markup}</description>")
    return [e.text for e in root.iter() if e.tag in ("p", "li")]


class ShowsTexts(unittest.TestCase):
    def assertShows(self, desktop, metainfo, texts_folder, locale, lang):
        got = shown(desktop, metainfo, locale)
        want = texts_of(texts_folder, lang)
        self.assertEqual(got["desktop"], want["desktop"])
        self.assertEqual(got["summary"], want["metainfo"]["summary"])
        description = {k: v for k, v in want["metainfo"].items() if k != "summary"}
        self.assertEqual(description_texts(got["description"]), list(description.values()))


class Languages(ShowsTexts):
    def test_each_locale_reads_its_language(self):
        # Every language of texts/ under its own code, and the table above.
        cases = [(p.stem, p.stem) for p in sorted(TEXTS.glob("*.json"))] + LOCALES
        for locale, lang in cases:
            with self.subTest(locale=locale):
                self.assertShows(DESKTOP, METAINFO, TEXTS, locale, lang)

    def test_validators_find_nothing(self):
        with tempfile.TemporaryDirectory() as tmp:
            for built, command in [(DESKTOP, ["desktop-file-validate"]),
                                   (METAINFO, ["appstreamcli", "validate", "--no-net"])]:
                with self.subTest(file=built.name):
                    # The validators judge the file by its installed name.
                    copy = shutil.copy(built, tmp)
                    result = subprocess.run(command + [copy], capture_output=True, text=True)
                    self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
                    problems = [line for line in result.stdout.splitlines()
                                if line.startswith(("E:", "W:", "I:")) or ": error:" in line
                                or ": warning:" in line]
                    self.assertEqual(problems, [])


class MadeUpLanguage(ShowsTexts):
    """texts/ with one more file, xx.json, made from the English one."""

    def localize(self, folder, xx):
        (folder / "texts").mkdir()
        for path in TEXTS.glob("*.json"):
            shutil.copy(path, folder / "texts")
        (folder / "texts" / "xx.json").write_text(json.dumps(xx), encoding="utf-8")
        out = {}
        for kind, template in [("desktop", "velmarit.desktop.in"),
                               ("metainfo", "velmarit.metainfo.xml.in")]:
            out[kind] = folder / f"org.example.Velmarit.{kind}"
            result = subprocess.run(
                [sys.executable, PACKAGING / "localize.py", kind, PACKAGING / template,
                 out[kind], folder / "texts", "VELMARIT_APP_ID=org.example.Velmarit",
                 "VELMARIT_DEVELOPER=Ann & Bo <ab>", "PROJECT_VERSION=1.2.3",
                 "VELMARIT_RELEASE_DATE=2026-01-01"],
                capture_output=True, text=True)
            if result.returncode:
                return None, result.stderr
        return out, ""

    def test_made_up_language(self):
        english = texts_of(TEXTS, "en")
        own = json.loads(json.dumps(english))
        own["desktop"] = {k: f"xx {v}" if isinstance(v, str) else [f"xx {w}" for w in v]
                          for k, v in english["desktop"].items()}
        own["metainfo"] = {k: f"xx & <{v}>" for k, v in english["metainfo"].items()}
        without_sections = {k: v for k, v in english.items() if k not in ("desktop", "metainfo")}
        half = json.loads(json.dumps(own))
        del half["desktop"]["comment"]
        split_keyword = json.loads(json.dumps(own))
        split_keyword["desktop"]["keywords"].append("Lok;Weiche")
        cases = [
            # name, xx.json, shown under xx ("xx" or "en"), error naming
            ("its own texts, & < > kept", own, "xx", None),
            ("no sections of its own", without_sections, "en", None),
            ("half a section", half, None, 'texts/xx.json: "desktop.comment" is missing'),
            # GLib would show two keywords, "Lok\" and "Weiche".
            ("a keyword with a list's ;", split_keyword, None, 'a keyword holds a ";"'),
        ]
        for name, xx, shows, error in cases:
            with self.subTest(name), tempfile.TemporaryDirectory() as tmp:
                folder = pathlib.Path(tmp)
                out, stderr = self.localize(folder, xx)
                if error:
                    self.assertIsNone(out)
                    self.assertIn(error, stderr)
                    continue
                self.assertIsNotNone(out, stderr)
                self.assertShows(out["desktop"], out["metainfo"], folder / "texts", "xx", shows)
                for lang in ("de", "nl", "fr"):
                    self.assertShows(out["desktop"], out["metainfo"], folder / "texts",
                                     lang, lang)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
