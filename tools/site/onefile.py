# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A language's page as one file that works opened from disk: its style,
scripts, icon and WebAssembly inside, no manifest and no service worker
(browsers fetch no separate file and run no worker from file://)."""

import base64

import csp
from render import replace_once

# Where app.js fetches the loader on the site; the one-file page has it inline.
LOADER_IMPORT = "import('./velmarit.js')"
LOADER_EXPORT = "export default createVelmarit;"


def onefile_page(page, head_script, loader, app, style, favicon):
    """The site's page (`page`, made for one file) with `loader` (the
    loader with its WebAssembly inside), `app`, `style` and the PNG
    `favicon` inside."""
    script = replace_once(loader, LOADER_EXPORT, "") + "\n" + replace_once(
        app, LOADER_IMPORT, "Promise.resolve({ default: createVelmarit })")
    icon = "data:image/png;base64," + base64.b64encode(favicon).decode()
    page = replace_once(page, "</head>",
                        f'<link rel="icon" href="{icon}">\n<style>{style}</style>\n'
                        f'<script type="module">{script}</script>\n</head>')
    return csp.onefile_policy(page, head_script, script, style)
