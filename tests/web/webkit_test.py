#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The panels in WebKit, the engine of every iPhone and iPad browser:
Debian's WebKitGTK driven by selenium, on the site over http://127.0.0.1
and on the one-file page from file://, against the native library's
answers; then a reload through the service worker with the server gone.
Needs a display (xvfb-run). Usage:
webkit_test.py --site DIR --onefile FILE --expected HELPER --languages de,en,...

The panels are checked once more on the French page, with its words."""

import argparse
import json
import pathlib
import subprocess
import sys
import time
import unittest

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import WebDriverWait

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
HERE = pathlib.Path(__file__).resolve().parent
ARGS = None

NORMAL = ("rgb(0, 0, 0)", "rgb(0, 255, 255)")
HIGHLIGHT = ("rgb(255, 0, 0)", "rgb(255, 255, 255)")
# The panel list the pages are made from.
PANELS = json.loads((HERE.parents[1] / "web" / "panels.json").read_text(encoding="utf-8"))["panels"]


def text(hex_text):
    return bytes.fromhex(hex_text).decode("utf-8", "replace")


def start_server():
    server = subprocess.Popen(["node", str(HERE / "server.mjs"), ARGS.site, "0"],
                              stdout=subprocess.PIPE, text=True)
    line = server.stdout.readline()
    url = line.split()[1]
    return server, url


def browser():
    options = webdriver.WebKitGTKOptions()
    options.binary_location = MINIBROWSER
    options.add_argument("--automation")
    return webdriver.WebKitGTK(options=options)


def show_panel(driver, ident):
    """Where the page shows one decoder at a time, its button in the bar."""
    fragment = driver.execute_script(
        "return document.getElementById(arguments[0]).closest('.panel').dataset.fragment", ident)
    button = driver.find_element(By.CSS_SELECTOR, f'.chooser a[data-fragment="{fragment}"]')
    if button.is_displayed() and button.get_attribute("aria-current") is None:
        button.click()
        settled(driver, lambda: button.get_attribute("aria-current"), "true")


def settled(driver, read, want, timeout=5):
    """What `read()` gives once it gives `want`, or at the deadline: a
    click or a key reaches the page after the command has returned."""
    try:
        WebDriverWait(driver, timeout, poll_frequency=0.02).until(lambda _: read() == want)
    except TimeoutException:
        pass
    return read()


class Panels:
    url = None
    native = None

    @classmethod
    def setUpClass(cls):
        cls.driver = browser()
        cls.driver.get(cls.url)
        WebDriverWait(cls.driver, 20).until(
            lambda d: d.execute_script("return 'ready' in document.documentElement.dataset"))

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def shown(self, ident):
        return tuple(self.driver.execute_script(
            "const e = document.getElementById(arguments[0]); const s = getComputedStyle(e);"
            "return [e.textContent, s.backgroundColor, s.color];", ident))

    def expected(self, decoder, bits):
        result, highlighted = self.native["patterns"][decoder][bits]
        return (text(result),) + (HIGHLIGHT if highlighted else NORMAL)

    def test_switches(self):
        # A Gray code walk over every pattern: one click a pattern.
        d = self.driver
        for panel in PANELS:
            prefix, total = panel["switches"], 1 << panel["count"]
            wrong = []
            show_panel(d, f"{prefix}1")
            for i in range(1, total + 1):
                bits = (i % total) ^ ((i % total) >> 1)
                before = (i - 1) ^ ((i - 1) >> 1)
                switch = (bits ^ before).bit_length()
                box = d.find_element(By.ID, f"{prefix}{switch}")
                box.click()
                settled(d, box.is_selected, bool(bits >> (switch - 1) & 1))
                got = self.shown(panel["fromTicked"])
                if got != self.expected(panel["decoder"], bits):
                    wrong.append((bits, got))
            self.assertEqual(wrong[:5], [], f"{prefix}: {len(wrong)} of {total} differ")

    def test_typing(self):
        d = self.driver
        wrong = []
        for decoder, keys, box, result, highlighted in self.native["typed"]:
            panel = next(panel for panel in PANELS if panel["decoder"] == decoder)
            show_panel(d, panel["typed"])
            element = d.find_element(By.ID, panel["typed"])
            # Emptied as a user empties it, so the box's result follows.
            element.send_keys(Keys.END + Keys.BACKSPACE * 8)
            element.send_keys(text(keys))
            want = (text(box), text(result)) + (HIGHLIGHT if highlighted else NORMAL)
            got = settled(d, lambda: (element.get_property("value"),) + self.shown(panel["fromTyped"]),
                          want)
            if got != want:
                wrong.append((text(keys), got, want))
        self.assertEqual(wrong, [])

    def test_encode_and_list(self):
        d = self.driver
        show_panel(d, "txtWeichen")
        for number, lists in self.native["encode"][::7]:
            box = d.find_element(By.ID, "txtWeichen")
            box.send_keys(Keys.END + Keys.BACKSPACE * 8 + str(number))
            want = (text(lists["MA"]),) + NORMAL
            self.assertEqual(settled(d, lambda: self.shown("lblWeichen"), want), want, number)
        rows = d.execute_script(
            "return [...document.querySelectorAll('#lstDelta > li')].map(e => e.textContent)")
        self.assertEqual(rows, [text(row) for row in self.native["deltaRows"]])


class SiteOverHttp(Panels, unittest.TestCase):
    pass


class OneFileFromDisk(Panels, unittest.TestCase):
    pass


class FrenchSiteOverHttp(Panels, unittest.TestCase):
    pass


class OfflineReload(unittest.TestCase):
    def test_reload_without_the_server(self):
        server, url = start_server()
        # The server goes whatever happens: one left running would hold the
        # test's output open, and ctest would wait for it until its timeout.
        self.addCleanup(server.kill)
        d = browser()
        self.addCleanup(d.quit)
        d.get(url)
        WebDriverWait(d, 20).until(lambda d: d.execute_script(
            "return navigator.serviceWorker && navigator.serviceWorker.controller !== null"
            " || (navigator.serviceWorker.ready.then(() => location.reload()), false)"))
        server.terminate()
        server.wait()
        d.refresh()
        WebDriverWait(d, 20).until(
            lambda d: d.execute_script("return 'ready' in document.documentElement.dataset"))
        show_panel(d, "chkSwitchLok2")
        d.find_element(By.ID, "chkSwitchLok2").click()
        self.assertEqual(settled(d, lambda: d.execute_script(
            "return document.getElementById('lblAnzeigeLok').textContent"), "79"), "79")


class History(unittest.TestCase):
    """Keys the rule refuses, and text an editing command puts in (which
    WebKit announces, as it announces keys), leave nothing behind that Undo
    and Redo could bring back: they move only between texts the box held."""

    def test_undo_and_redo(self):
        server, url = start_server()
        self.addCleanup(server.kill)
        d = browser()
        self.addCleanup(d.quit)
        d.get(url + "#lok")
        WebDriverWait(d, 20).until(
            lambda d: d.execute_script("return 'ready' in document.documentElement.dataset"))
        box = d.find_element(By.ID, "txtSwitchLok")
        value = lambda: box.get_property("value")  # noqa: E731
        held = [value()]
        for how, key, want in (("key", "1", "1"), ("key", "2", "1"), ("command", "2", "1"),
                               ("key", "3", "13"), ("command", "1", "13")):
            if how == "key":
                box.send_keys(key)
            else:
                d.execute_script("arguments[0].focus();"
                                 "document.execCommand('insertText', false, arguments[1])", box, key)
            self.assertEqual(settled(d, value, want), want, f"{key} as a {how}")
            held.append(want)
        strays = []
        for keys in [Keys.CONTROL + "z"] * 3 + [Keys.CONTROL + Keys.SHIFT + "z"] * 4:
            box.send_keys(keys)
            if value() not in held:
                strays.append(value())
        self.assertEqual(strays, [])


def native_answers(lang):
    words = json.loads((HERE.parents[1] / "texts" / f"{lang}.json").read_text(
        encoding="utf-8")).get("library", {}).get("words")
    extra = [words["invalid"], words["analog"], words["noSwitchOn"]] if words else []
    return json.loads(subprocess.run([ARGS.expected, *extra], capture_output=True,
                                     check=True).stdout)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--onefile", required=True)
    parser.add_argument("--expected", required=True)
    # The site's languages, the first at its root.
    parser.add_argument("--languages", required=True, type=lambda text: text.split(","))
    ARGS, rest = parser.parse_known_args()
    server, url = start_server()
    SiteOverHttp.url = url
    OneFileFromDisk.url = pathlib.Path(ARGS.onefile).resolve().as_uri()
    FrenchSiteOverHttp.url = url + "fr/"
    SiteOverHttp.native = OneFileFromDisk.native = native_answers(ARGS.languages[0])
    FrenchSiteOverHttp.native = native_answers("fr")
    try:
        result = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2).result
    finally:
        server.kill()
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
