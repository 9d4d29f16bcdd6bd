# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The service worker (web/sw.js) with what it must know of its release:
the cache name, every file the languages' pages share with its digest, and
each language's folder with the digests of its page and its manifest. The
worker keeps nothing else, and nothing whose digest differs. A digest here
is the first 64 bits of the file's SHA-256 in hex, which the worker works
out itself: enough to tell two releases, or a file cut short, apart, and a
quarter of the worker's weight less than the `integrity` form."""

import hashlib
import json

from digest import short_digest
from render import replace_once

MANIFEST = "manifest.webmanifest"


def cache_name(version, files):
    """The version and a hash of every file of the site: a new release
    fills a new cache instead of mixing with the old one."""
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode() + b"\0" + files[name] + b"\0")
    return f"velmarit-{version}-{digest.hexdigest()[:16]}"


def service_worker(source, cache, files, shared, folders):
    """`files` {name: bytes} of the site, `shared` the names every page
    needs, `folders` the languages' folders ("" for the root)."""
    shared_digests = {name: short_digest(files[name]) for name in sorted(shared)}
    pages = {(folder or "./"): [short_digest(files[folder + "index.html"]),
                                short_digest(files[folder + MANIFEST])]
             for folder in folders}
    worker = replace_once(source, "'@CACHE@'", json.dumps(cache))
    worker = replace_once(worker, "{ '@FILES@': '' }", json.dumps(shared_digests))
    return replace_once(worker, "{ '@PAGES@': [] }", json.dumps(pages))
