# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's icons: the program icon (packaging/programicon.py) at the
sizes browsers and phones ask for."""

from programicon import rgba_png

WINDOW_BLUE = (128, 128, 255)  # the window's light blue
WINDOW_BLUE_HEX = "#%02x%02x%02x" % WINDOW_BLUE

# The page's icon on the site (and inside the one-file page).
FAVICON = "icons/velmarit-192.png"


def site_icons():
    return {
        FAVICON: rgba_png(192, 12),
        "icons/velmarit-512.png": rgba_png(512, 32),
        # Maskable: a launcher cuts them to any shape inside the middle
        # 80 %; the block stays well inside it, on the window's light blue.
        "icons/velmarit-maskable-192.png": rgba_png(192, 7, WINDOW_BLUE),
        "icons/velmarit-maskable-512.png": rgba_png(512, 20, WINDOW_BLUE),
        # iOS fills transparent corners with black: an opaque square.
        "icons/velmarit-180.png": rgba_png(180, 10, WINDOW_BLUE),
    }
