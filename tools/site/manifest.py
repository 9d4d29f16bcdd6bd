# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Each language's web app manifest: what a phone shows when the page is
installed, in the language it was opened in."""

import json

from icons import WINDOW_BLUE_HEX
from render import filled


def manifest(site, lang, texts, panels, values, shots):
    """`shots`: (form factor, file, width, height) of the screenshots."""
    root = site.root(lang)
    words = filled(texts, values)
    icons = []
    for size in (192, 512):
        icons.append({"src": f"{root}icons/velmarit-{size}.png", "sizes": f"{size}x{size}",
                      "type": "image/png", "purpose": "any"})
        icons.append({"src": f"{root}icons/velmarit-maskable-{size}.png",
                      "sizes": f"{size}x{size}", "type": "image/png", "purpose": "maskable"})
    shortcuts = [{"name": words["manifest"]["shortcuts"][panel["fragment"]],
                  "short_name": words["panels"][panel["name"]]["tab"],
                  "url": f"./#{panel['fragment']}",
                  "icons": [{"src": f"{root}icons/velmarit-192.png", "sizes": "192x192",
                             "type": "image/png"}]}
                 for panel in panels.bar]
    screenshots = [{"src": f"{root}{name}", "sizes": f"{width}x{height}", "type": "image/png",
                    "form_factor": form, "label": words["manifest"]["screenshots"][form]}
                   for form, name, width, height in shots]
    return {
        "id": "./",
        "name": "Velmarit",
        "short_name": "Velmarit",
        "description": words["manifest"]["description"],
        "lang": lang,
        "dir": "ltr",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": WINDOW_BLUE_HEX,
        "theme_color": WINDOW_BLUE_HEX,
        "icons": icons,
        "screenshots": screenshots,
        "shortcuts": shortcuts,
    }


def manifest_bytes(*args):
    return (json.dumps(manifest(*args), ensure_ascii=False, indent=2) + "\n").encode()
