#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The generator of the programs' texts: every fault in a language's file
stops it with the file and the key, and writes no header; a language added
as one more file becomes C++ that compiles, listed after German.

Usage: generate_test.py GENERATE.py TEXTS-DIR CXX-COMPILER
"""

import copy
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

GENERATOR, TEXTS, CXX = sys.argv[1:4]


def real_texts():
    return {path.stem: json.loads(path.read_text(encoding="utf-8"))
            for path in sorted(pathlib.Path(TEXTS).glob("*.json"))}


def generate(languages, folder):
    """Runs the generator on `languages` (code: texts) written into `folder`;
    its status, its message and the header it wrote, if any."""
    folder = pathlib.Path(folder)
    files = []
    for code, texts in languages.items():
        path = folder / f"{code}.json"
        path.write_text(texts if isinstance(texts, str) else json.dumps(texts, ensure_ascii=False),
                        encoding="utf-8")
        files.append(str(path))
    header = folder / "include" / "texts" / "texts.h"
    run = subprocess.run([sys.executable, "-B", GENERATOR, "--default", "de", "--output",
                          str(header), *files], capture_output=True, text=True)
    return run.returncode, run.stderr, header.read_text(encoding="utf-8") if header.exists() else None


def made_up(texts):
    """A language of its own: every text of `texts` in brackets, its
    placeholders kept."""
    if isinstance(texts, dict):
        return {key: made_up(value) for key, value in texts.items()}
    if isinstance(texts, list):
        return [made_up(value) for value in texts]
    return "\u27e6" + texts + "\u27e7"


def faulty(change):
    """The real texts with `change` made to the English ones."""
    languages = real_texts()
    english = copy.deepcopy(languages["en"])
    change(english)
    languages["en"] = english
    return languages


# (name, the texts, the message the generator must give)
FAULTS = [
    ("missing key", faulty(lambda en: en["window"].pop("title")),
     "en.json: window lacks title, which German has"),
    ("extra key", faulty(lambda en: en["window"].update(colour="blue")),
     "en.json: window has colour, which German has not"),
    ("placeholder left out", faulty(lambda en: en["window"].update(switch="Switch")),
     "en.json: window.switch has the placeholders none, in German {n}"),
    ("placeholder renamed", faulty(lambda en: en["pdf"].update(noFolder="No {folder}.")),
     "en.json: pdf.noFolder has the placeholders {folder}, in German {path}"),
    ("list shorter", faulty(lambda en: en["info"]["lines"].pop()),
     "en.json: info.lines has 5 entries, in German 6"),
    ("text turned list", faulty(lambda en: en["frames"].update(decode=["decode"])),
     "en.json: frames.decode is a list, in German a text"),
    ("number instead of text", faulty(lambda en: en["dip"].update(on=1)),
     "en.json: dip.on is a number, in German a text"),
    ("other language inside", faulty(lambda en: en.update(lang="fr")),
     "en.json: its \"lang\" must be 'en'"),
    ("broken file", {**real_texts(), "nl": '{"lang": "nl",'}, "nl.json: "),
    ("no German", {"en": real_texts()["en"]}, "no texts of the default language 'de'"),
    ("key C++ cannot name",
     {code: {**texts, "2nd": "x"} for code, texts in real_texts().items()},
     "the key '2nd' is no name C++ can take"),
]


class Generator(unittest.TestCase):
    def test_faults_stop_the_build(self):
        for name, languages, message in FAULTS:
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                status, said, header = generate(languages, folder)
                self.assertEqual(status, 1, said)
                self.assertIn(message, said)
                self.assertIsNone(header)

    def test_an_added_language_is_one_more_file(self):
        languages = real_texts()
        xx = made_up(languages["de"])
        xx["lang"] = "\u27e6xx\u27e7"
        # The menu entry's keywords are the language's own, as many as it has.
        xx["desktop"]["keywords"].append("\u27e6Weiche\u27e7")
        with tempfile.TemporaryDirectory() as folder:
            # Its "lang" must name it, as every file's does.
            status, said, _ = generate({**languages, "xx": xx}, folder)
            self.assertEqual(status, 1)
            xx["lang"] = "xx"
            status, said, header = generate({**languages, "xx": xx}, folder)
            self.assertEqual(status, 0, said)
            self.assertRegex(header, r"languages\{&de, &en, &fr, &nl, &xx\}")
            # C++ that compiles, and says what the file says: escaped bytes,
            # a keyword as a name, lists, nested objects.
            program = pathlib.Path(folder) / "check.cpp"
            program.write_text(
                '#include "texts/texts.h"\n'
                "using namespace velmarit;\n"
                "static_assert(texts::languages.size() == 5);\n"
                "static_assert(&texts::german == &texts::de);\n"
                "static_assert(texts::languages[4] == &texts::xx);\n"
                'static_assert(texts::xx.window.title == "\\u27e6 Velmarit f\\u00fcr '
                'm\\u00e4rklin-Digital\\u27e7");\n'
                'static_assert(texts::xx.panels.Delta.switch_ == '
                '"\\u27e6Delta-Decoder, Schalter {n}\\u27e7");\n'
                'static_assert(texts::de.library.tables.Weichen.columns[4] == "Taste");\n'
                'static_assert(texts::en.printing.notSaved.find("\\n\\n{reason}") != '
                "std::string_view::npos);\n",
                encoding="utf-8")
            compiled = subprocess.run(
                [CXX, "-std=c++20", "-Wall", "-Wextra", "-Werror", "-fsyntax-only",
                 "-I", str(pathlib.Path(folder) / "include"), str(program)],
                capture_output=True, text=True)
            self.assertEqual(compiled.returncode, 0, compiled.stderr)

    def test_the_header_is_the_same_whatever_the_order_of_the_files(self):
        languages = real_texts()
        with tempfile.TemporaryDirectory() as one, tempfile.TemporaryDirectory() as other:
            _, _, first = generate(languages, one)
            _, _, second = generate(dict(reversed(list(languages.items()))), other)
        self.assertIsNotNone(first)
        self.assertEqual(first, second)
        # German first, then by code.
        self.assertEqual(re.findall(r"inline constexpr Texts (\w+)\{", first),
                         ["de", "en", "fr", "nl"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
