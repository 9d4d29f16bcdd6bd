# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program icon: one 16 x 16 pixel plan, drawn in every form the
programs and the page use: a 16-colour PNG with a transparent ground, an
SVG of the same squares, the Windows programs' .ico (the 16 x 16 pixels,
and the same pixels doubled and tripled for Explorer's larger views, 32-bit
with alpha), and the page's larger PNGs, each pixel a square of its own.
make-icons.py writes the checked-in files; the site tool draws the page's
icons when it builds. Needs nothing but Python 3."""

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


ICO_SCALES = (1, 2, 3)


def rgba(colour):
    return (0, 0, 0, 0) if colour == TRANSPARENT else PALETTE[colour] + (255,)


def ico(grid):
    images = []
    for scale in ICO_SCALES:
        size = SIZE * scale
        rows = [[grid[y // scale][x // scale] for x in range(size)] for y in range(size)]
        # A DIB is stored bottom-up: colour rows (BGRA), then the 1-bit mask
        # (set = transparent), each mask row padded to 32 bits.
        colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows)
                          for (r, g, b, a) in map(rgba, row))
        mask_row_bytes = (size + 31) // 32 * 4
        mask = b""
        for row in reversed(rows):
            bits = bytearray(mask_row_bytes)
            for x, c in enumerate(row):
                if c == TRANSPARENT:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                             len(colour) + len(mask), 0, 0, 0, 0)
        images.append((size, header + colour + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def rgba_png(size, scale, ground=None):
    """The plan on a `size` square, each pixel a `scale` square, centred;
    `ground` (r, g, b) fills the transparent pixels (a maskable or a
    home-screen icon must have no holes). 8-bit RGBA, no filter."""
    grid = pixels()
    offset = (size - SIZE * scale) // 2
    transparent = (0, 0, 0, 0) if ground is None else ground + (255,)
    colours = {c: PALETTE[c] + (255,) for c in PALETTE}
    colours[TRANSPARENT] = transparent
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        gy = (y - offset) // scale
        for x in range(size):
            gx = (x - offset) // scale
            inside = x >= offset and y >= offset and gx < SIZE and gy < SIZE
            raw.extend(colours[grid[gy][gx]] if inside else transparent)
    header = bytes.fromhex("%08x%08x" % (size, size)) + bytes([8, 6, 0, 0, 0])
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))
