#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads back, for the installer's tests, what Windows keeps in files of its
own formats, as Unicode whatever the console's code page:

  readback.py target FILE.lnk        the local path a shortcut starts
  readback.py description FILE.lnk   the shortcut's description (its tooltip)
  readback.py value FILE.reg NAME    a string value of a key `reg export` wrote
  readback.py text TEXTS_DIR LANG SECTION.KEY   a text of texts/LANG.json"""

import json
import pathlib
import re
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, IS_UNICODE = 0x1, 0x2, 0x4, 0x80


def link_parts(data):
    """(flags, offset of the LinkInfo or None, offset of the StringData),
    after the layout of MS-SHLLINK."""
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & HAS_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    info = None
    if flags & HAS_LINK_INFO:
        info = offset
        offset += struct.unpack_from("<I", data, offset)[0]
    return flags, info, offset


def link_target(data):
    _, info, _ = link_parts(data)
    if info is None:
        return None
    header_size, _, _, base = struct.unpack_from("<IIII", data, info + 4)
    if header_size >= 0x24:  # with the Unicode form of the path
        start = info + struct.unpack_from("<I", data, info + 28)[0]
        end = start
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[start:end].decode("utf-16-le")
    start = info + base
    return data[start:data.index(b"\0", start)].decode("latin-1")


def link_description(data):
    flags, _, offset = link_parts(data)
    if not flags & HAS_NAME:
        return None
    count = struct.unpack_from("<H", data, offset)[0]
    if flags & IS_UNICODE:
        text = data[offset + 2:offset + 2 + 2 * count].decode("utf-16-le")
    else:
        text = data[offset + 2:offset + 2 + count].decode("latin-1")
    # Wine counts the closing NUL in, Windows does not.
    return text.removesuffix("\0")


def reg_value(text, name):
    # "Name"="value", with \\ and \" escaped; one value a line.
    for line in text.splitlines():
        match = re.fullmatch(r'"((?:[^"\\]|\\.)*)"="((?:[^"\\]|\\.)*)"', line)
        if match and match.group(1) == name:
            return re.sub(r"\\(.)", r"\1", match.group(2))
    return None


def main(argv):
    what, path, *rest = argv
    if what == "target":
        result = link_target(pathlib.Path(path).read_bytes())
    elif what == "description":
        result = link_description(pathlib.Path(path).read_bytes())
    elif what == "value":
        result = reg_value(pathlib.Path(path).read_bytes().decode("utf-16"), rest[0])
    elif what == "text":
        node = json.loads((pathlib.Path(path) / f"{rest[0]}.json").read_text(encoding="utf-8"))
        for key in rest[1].split("."):
            node = node[key]
        result = node
    else:
        print(__doc__, file=sys.stderr)
        return 2
    if result is None:
        return 1
    sys.stdout.buffer.write(result.encode("utf-8") + b"\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
