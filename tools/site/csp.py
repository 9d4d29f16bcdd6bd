# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pages' Content Security Policies: nothing runs, is shown or asked
for but the site's own files, and on a one-file page only what it holds,
each inline script and style by its hash."""

import base64
import hashlib

from render import replace_once

SITE = ("default-src 'self'; script-src 'self' {head} 'wasm-unsafe-eval'; "
        "style-src 'self'; img-src 'self'; connect-src 'self'; manifest-src 'self'; "
        "worker-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'")

# The loader first looks for its inline WebAssembly through fetch().
ONEFILE = ("default-src 'none'; script-src {head} {script} 'wasm-unsafe-eval'; "
           "style-src {style}; img-src data:; connect-src data:; "
           "base-uri 'none'; form-action 'none'")


def source_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def site_policy(page, head_script):
    return replace_once(page, "@CSP@", SITE.format(head=source_hash(head_script)))


def onefile_policy(page, head_script, script, style):
    return replace_once(page, "@CSP@", ONEFILE.format(
        head=source_hash(head_script), script=source_hash(script), style=source_hash(style)))
