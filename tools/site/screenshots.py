# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The screenshots the manifests show when the page is installed: pictures
of the real one-file page once it has started, taken by Chromium while
the site is built."""

import hashlib
import pathlib

from chromium import Chromium

# A phone upright (at twice its pixels, as phones draw) and a wide screen:
# form factor, width, height, scale, fragment.
SCREENSHOTS = [("narrow", 360, 740, 2, "#lok"), ("wide", 1280, 800, 1, "")]

# How a picture is taken is part of what it shows.
HOW = b"".join((pathlib.Path(__file__).parent / name).read_bytes()
               for name in ("screenshots.py", "chromium.py"))


def screenshots(executable, page, lang, cache):
    """{file name on the site: PNG} and the manifest's (form, name, width,
    height) of one language's screenshots. Each is kept in `cache` by what
    it shows, so that a build that changed nothing takes none."""
    files, shots = {}, []
    for form, width, height, scale, fragment in SCREENSHOTS:
        name = f"screenshots/{lang}-{form}.png"
        key = hashlib.sha256(HOW + page.read_bytes()
                             + f"{lang}{width}x{height}@{scale}{fragment}".encode())
        cached = cache / (key.hexdigest()[:32] + ".png")
        if not cached.exists():
            # The window's size and scale are the browser's own, as a
            # phone's are.
            with Chromium(executable, lang, width, height, scale) as browser:
                picture = browser.picture_once_started(page.resolve().as_uri() + fragment)
            cache.mkdir(parents=True, exist_ok=True)
            cached.write_bytes(picture)
        files[name] = cached.read_bytes()
        shots.append((form, name, width * scale, height * scale))
    return files, shots
