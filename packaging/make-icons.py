#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the program icon's checked-in files from its pixel plan
(programicon.py): icons/velmarit-16.png, icons/velmarit.svg and
icons/velmarit.ico. Run it again only when the design changes."""

import pathlib

from programicon import ico, pixels, png, svg

if __name__ == "__main__":
    here = pathlib.Path(__file__).resolve().parent / "icons"
    here.mkdir(exist_ok=True)
    (here / "velmarit-16.png").write_bytes(png(pixels()))
    (here / "velmarit.svg").write_text(svg(), encoding="utf-8")
    (here / "velmarit.ico").write_bytes(ico(pixels()))
