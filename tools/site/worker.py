# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The service worker (web/sw.js) with what it must know of its release:
the cache name, every file the languages' pages share with its digest, and
each language's folder with the digests of its page and its manifest. The
worker keeps nothing else, and nothing whose digest differs."""

import hashlib
import json

from digest import integrity
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
    shared_digests = {name: integrity(files[name]) for name in sorted(shared)}
    pages = {(folder or "./"): [integrity(files[folder + "index.html"]),
                                integrity(files[folder + MANIFEST])]
             for folder in folders}
    worker = replace_once(source, "'@CACHE@'", json.dumps(cache))
    worker = replace_once(worker, "{ '@FILES@': '' }", json.dumps(shared_digests))
    return replace_once(worker, "{ '@PAGES@': [] }", json.dumps(pages))
