# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What tells one release's files from another's: a name that carries the
file's content hash, for every file a page loads by name, and each file's
digest. A host is filled one file at a time, so for a while it serves two
releases at once: a page asks for its own release's files by their names
and checks its script and style by their digests (`integrity`), and the
service worker keeps no file whose digest is not its release's."""

import base64
import hashlib
import pathlib


def short_digest(data):
    """The first 64 bits of the file's SHA-256, in hex."""
    return hashlib.sha256(data).hexdigest()[:16]


def hashed_name(name, data):
    """`velmarit.css` as `velmarit-<16 hex digits>.css`: another content
    is another name."""
    path = pathlib.PurePosixPath(name)
    return str(path.with_name(f"{path.stem}-{short_digest(data)}{path.suffix}"))


def integrity(data):
    """The file's digest as `integrity` attributes and fetch() take it."""
    return "sha256-" + base64.b64encode(hashlib.sha256(data).digest()).decode()
