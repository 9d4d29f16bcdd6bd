#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Packs files into a zip that depends on nothing but their bytes: entries in
the order given, each with the same time, fixed permissions, and no extra
fields (which would carry access times, owners and the like).

Usage: packzip.py OUT.zip EPOCH FOLDER NAME...
"""

import sys
import time
import zipfile


def main():
    out, epoch, folder, names = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4:]
    # Zip times have a two-second grain and start in 1980.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3  # Unix, so that the permissions count
            mode = 0o755 if name.lower().endswith(".exe") else 0o644
            entry.external_attr = (0o100000 | mode) << 16
            with open(f"{folder}/{name}", "rb") as data:
                archive.writestr(entry, data.read())


if __name__ == "__main__":
    main()
