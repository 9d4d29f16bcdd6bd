#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the program icon in both installed forms from one pixel plan:
icons/velmarit-16.png (16 x 16, 16-colour palette, transparent ground) and
icons/velmarit.svg (the same squares, scalable). Both files are checked in;
run this again only when the design changes. Needs nothing but Python 3."""

import pathlib
import struct
import zlib

SIZE = 16
TRANSPARENT, BLACK, RED, WHITE = range(4)
PALETTE = {BLACK: (0, 0, 0), RED: (255, 0, 0), WHITE: (255, 255, 255), TRANSPARENT: (0, 0, 0)}

# (colour, left, top, width, height) in pixels, painted in this order.
RECTS = [
    (RED, 1, 4, 14, 7),     # the switch block
    (BLACK, 1, 3, 14, 1),   # outline top
    (BLACK, 1, 11, 14, 1),  # outline bottom
    (BLACK, 0, 4, 1, 7),    # outline left; the corner pixels stay empty
    (BLACK, 15, 4, 1, 7),   # outline right
] + [(WHITE, x, 5, 1, 2) for x in (3, 5, 13)] + [(WHITE, x, 8, 1, 2) for x in (2, 7, 9, 11)]


def pixels():
    grid = [[TRANSPARENT] * SIZE for _ in range(SIZE)]
    for colour, left, top, width, height in RECTS:
        for y in range(top, top + height):
            for x in range(left, left + width):
                grid[y][x] = colour
    return grid


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(grid):
    colours = sorted(PALETTE)
    raw = b""
    for row in grid:
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
        raw += b"\x00" + packed  # filter type 0 for every row
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)  # 4-bit palette
    plte = b"".join(bytes(PALETTE[c]) for c in colours)
    trns = bytes(0 if c == TRANSPARENT else 255 for c in colours)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", plte)
            + chunk(b"tRNS", trns) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    names = {BLACK: "#000000", RED: "#ff0000", WHITE: "#ffffff"}
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" '
             'viewBox="0 0 16 16" shape-rendering="crispEdges">']
    for colour, left, top, width, height in RECTS:
        lines.append(f'  <rect x="{left}" y="{top}" width="{width}" height="{height}" '
                     f'fill="{names[colour]}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    here = pathlib.Path(__file__).resolve().parent / "icons"
    here.mkdir(exist_ok=True)
    (here / "velmarit-16.png").write_bytes(png(pixels()))
    (here / "velmarit.svg").write_text(svg(), encoding="utf-8")
