# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The service worker (web/sw.js) with what it must know of its release:
the cache name, the files every language's page needs and the folders of
the languages' pages."""

import hashlib
import json

from render import replace_once


def cache_name(version, files):
    """The version and a hash of every file of the site: a new release
    fills a new cache instead of mixing with the old one."""
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode() + b"\0" + files[name] + b"\0")
    return f"velmarit-{version}-{digest.hexdigest()[:16]}"


def service_worker(source, cache, shared, pages):
    worker = replace_once(source, "'@CACHE@'", json.dumps(cache))
    worker = replace_once(worker, "['@FILES@']", json.dumps(shared))
    return replace_once(worker, "['@PAGES@']", json.dumps(pages))
