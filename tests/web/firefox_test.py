#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Firefox cannot be driven here (no geckodriver), but it can take a
headless screenshot. The one-file page is shot twice at phone width, with
scripts on and with scripts off: only the WebAssembly fills the Delta list,
so the first shot must show the list's text where the second shows an empty
box. Usage: firefox_test.py --onefile FILE"""

import argparse
import pathlib
import struct
import subprocess
import sys
import tempfile
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


def shot(page, folder, scripts, attempt=0):
    profile = pathlib.Path(folder) / (f"on{attempt}" if scripts else "off")
    profile.mkdir()
    if not scripts:
        (profile / "user.js").write_text('user_pref("javascript.enabled", false);\n')
    out = pathlib.Path(folder) / f"{profile.name}.png"
    subprocess.run(["firefox-esr", "--headless", "--no-remote", "--profile", str(profile),
                    "--window-size=360,740", "--screenshot", str(out),
                    pathlib.Path(page).resolve().as_uri()],
                   check=True, timeout=120, capture_output=True,
                   env={"HOME": folder, "PATH": "/usr/bin:/bin", "MOZ_HEADLESS": "1"})
    return read_png(out)


def dark_pixels(rows):
    """Pixels of text and drawing on the light ground."""
    return sum(1 for row in rows for pixel in row if sum(pixel) < 384)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--onefile", required=True)
    args, _ = parser.parse_known_args()
    # Firefox takes its screenshot at the load event, and the WebAssembly
    # starts asynchronously: on a busy machine the shot can come before the
    # list is filled. The page itself is the same each time, so a later
    # shot in a fresh profile is taken; one must show the list.
    with tempfile.TemporaryDirectory(prefix="velmarit-firefox-") as folder:
        _w, _h, without = shot(args.onefile, folder, False)
        static = dark_pixels(without)
        for attempt in range(3):
            width, _height, with_scripts = shot(args.onefile, folder, True, attempt)
            computed = dark_pixels(with_scripts)
            print(f"firefox: {width} px wide; dark pixels: {computed} with scripts, "
                  f"{static} without")
            ok = width == 360 and computed > static + 1000
            if ok:
                break
    print("firefox: the one-file page shows the list the WebAssembly filled" if ok else
          "firefox: FAILED: no computed result on the screenshot")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
