#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The one-file page in Firefox, driven through its built-in Marionette
protocol (Debian has no geckodriver): its Delta list shot twice on a wide
screen, with scripts off, and with scripts on once the WebAssembly has
filled it. Only the WebAssembly fills it, so the second shot must show the
list's text where the first shows an empty box. With scripts on, text an
editing command puts into a switch-number box keeps the key rule, and Undo
and Redo afterwards move only between texts the box held.
Usage: firefox_test.py --onefile FILE"""

import argparse
import base64
import json
import pathlib
import socket
import struct
import subprocess
import sys
import tempfile
import time
import zlib


def read_png(path):
    """Width, height and RGB rows of an 8-bit RGB or RGBA PNG."""
    data = pathlib.Path(path).read_bytes()
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour in (2, 6), (depth, colour)
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        line = raw[y * (stride + 1):(y + 1) * (stride + 1)]
        kind, row = line[0], bytearray(line[1:])
        for x in range(stride):
            a = row[x - channels] if x >= channels else 0
            b = previous[x]
            c = previous[x - channels] if x >= channels else 0
            if kind == 1:
                row[x] = (row[x] + a) & 255
            elif kind == 2:
                row[x] = (row[x] + b) & 255
            elif kind == 3:
                row[x] = (row[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[x] = (row[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(row[x:x + 3]) for x in range(0, stride, channels)])
        previous = row
    return width, height, rows


class Marionette:
    """Firefox's own remote protocol (built in; Debian has no geckodriver):
    each message is its length in decimal, a colon and a JSON array."""

    def __init__(self, port, timeout=60):
        deadline = time.monotonic() + timeout
        while True:
            try:
                self.sock = socket.create_connection(("127.0.0.1", port), timeout=60)
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.2)
        self.pending = b""
        self.last_id = 0
        self.read()  # the greeting

    def read(self):
        while b":" not in self.pending:
            self.pending += self.receive()
        length, _, rest = self.pending.partition(b":")
        while len(rest) < int(length):
            rest += self.receive()
        self.pending = rest[int(length):]
        return json.loads(rest[:int(length)])

    def receive(self):
        data = self.sock.recv(65536)
        if not data:
            raise ConnectionError("Firefox closed the Marionette connection")
        return data

    def call(self, command, params):
        self.last_id += 1
        message = json.dumps([0, self.last_id, command, params]).encode()
        self.sock.sendall(str(len(message)).encode() + b":" + message)
        _kind, _id, error, result = self.read()
        if error:
            raise RuntimeError(f"{command}: {error}")
        return result


# Each command's change is judged, and a refused one taken back, before the
# next microtask: `await null` is after it.
HISTORY = """const [done] = arguments; const box = document.getElementById('txtSwitchLok');
box.focus(); const held = [box.value]; const seen = [];
for (const key of ['1', '2', '3', '1']) {
  document.execCommand('insertText', false, key); await null; held.push(box.value);
}
for (const command of ['undo', 'undo', 'redo', 'redo', 'redo', 'undo']) {
  document.execCommand(command); await null; seen.push(box.value);
}
done([held, seen]);"""


def shot(page, folder, scripts):
    """A screenshot of the Delta list, on a wide screen where every panel
    shows with scripts and without, and with scripts the texts a
    switch-number box held and showed (HISTORY). With scripts, it is taken
    once the WebAssembly has filled the list:
    that starts asynchronously and may finish after the load event, so the
    test waits for the list rather than shooting at load. None when the list
    never fills."""
    profile = pathlib.Path(folder) / ("on" if scripts else "off")
    profile.mkdir()
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    prefs = f'user_pref("marionette.port", {port});\n'
    if not scripts:
        prefs += 'user_pref("javascript.enabled", false);\n'
    (profile / "user.js").write_text(prefs)
    firefox = subprocess.Popen(["firefox-esr", "--headless", "--no-remote", "--marionette",
                                "--profile", str(profile)],
                               env={"HOME": folder, "PATH": "/usr/bin:/bin", "MOZ_HEADLESS": "1"},
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        browser = Marionette(port)
        browser.call("WebDriver:NewSession", {})
        browser.call("WebDriver:SetWindowRect", {"width": 1280, "height": 800})
        browser.call("WebDriver:Navigate",
                     {"url": pathlib.Path(page).resolve().as_uri() + "#delta"})
        if scripts:
            deadline = time.monotonic() + 60
            while time.monotonic() < deadline:
                rows = browser.call("WebDriver:ExecuteScript", {
                    "script": "const list = document.getElementById('lstDelta');"
                              "return list ? list.children.length : 0;", "args": []})["value"]
                if rows:
                    break
                time.sleep(0.1)
            else:
                return None
            print(f"firefox: the Delta list holds {rows} rows")
            history = browser.call("WebDriver:ExecuteAsyncScript",
                                   {"script": f"(async () => {{ {HISTORY} }})();", "args": []})
        found = browser.call("WebDriver:FindElement",
                             {"using": "css selector", "value": "#lstDelta"})["value"]
        element = next(iter(found.values())) if isinstance(found, dict) else found
        png = browser.call("WebDriver:TakeScreenshot", {"id": element, "full": False})["value"]
        out = profile.with_suffix(".png")
        out.write_bytes(base64.b64decode(png))
        browser.call("WebDriver:DeleteSession", {})
        return read_png(out), (history["value"] if scripts else None)
    finally:
        firefox.kill()
        firefox.wait()


def dark_pixels(rows):
    """Pixels of text and drawing on the light ground."""
    return sum(1 for row in rows for pixel in row if sum(pixel) < 384)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--onefile", required=True)
    args, _ = parser.parse_known_args()
    with tempfile.TemporaryDirectory(prefix="velmarit-firefox-") as folder:
        (static_width, _h, without), _ = shot(args.onefile, folder, scripts=False)
        with_scripts = shot(args.onefile, folder, scripts=True)
        if with_scripts is None:
            print("firefox: FAILED: the WebAssembly never filled the Delta list")
            sys.exit(1)
        (width, _height, rows), (held, seen) = with_scripts
        strays = [text for text in seen if text not in held]
        print(f"firefox: the box held {held}; Undo and Redo showed {seen}")
        static, computed = dark_pixels(without), dark_pixels(rows)
        print(f"firefox: the list is {width} px wide; dark pixels: {computed} with scripts, "
              f"{static} without")
        filled = width == static_width and computed > static + 1000
        kept = held == ["", "1", "1", "13", "13"] and not strays
    print("firefox: the one-file page shows the list the WebAssembly filled" if filled else
          "firefox: FAILED: no computed result on the screenshot")
    print("firefox: the box keeps the key rule through Undo and Redo" if kept else
          "firefox: FAILED: the box holds what the key rule refuses")
    sys.exit(0 if filled and kept else 1)


if __name__ == "__main__":
    main()
