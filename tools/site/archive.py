# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The download: the site and the one-file pages in one zip, and the
SHA256SUMS of the one-file pages and the zip. The same files give the
same bytes: names sorted, one fixed time (SOURCE_DATE_EPOCH, else the last
commit's), fixed modes."""

import hashlib
import os
import subprocess
import time
import zipfile

EARLIEST = 315532800  # 1980-01-01, the earliest time a zip can hold


def source_date(source):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout.strip()
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return EARLIEST


def write_zip(path, folder, entries, when):
    """`entries` {name: bytes} under `folder`/ in the zip at `path`."""
    stamp = time.gmtime(max(when, EARLIEST))[:6]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name in sorted(entries):
            info = zipfile.ZipInfo(f"{folder}/{name}", date_time=stamp)
            info.external_attr = 0o644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, entries[name])


def write_sums(out, names):
    sums = "".join(f"{hashlib.sha256((out / n).read_bytes()).hexdigest()}  {n}\n" for n in names)
    (out / "SHA256SUMS").write_text(sums, encoding="ascii")
