# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The screenshots the manifests show when the page is installed: pictures
of the real one-file page, taken by Chromium while the site is built."""

import hashlib
import os
import pathlib
import subprocess
import tempfile

# A phone upright (at twice its pixels, as phones draw) and a wide screen:
# form factor, width, height, scale, fragment.
SCREENSHOTS = [("narrow", 360, 740, 2, "#lok"), ("wide", 1280, 800, 1, "")]


def screenshot(chromium, page, lang, width, height, scale, fragment, cache):
    """A picture of the one-file page as a browser shows it, kept in `cache`
    by what it shows so that a build that changed nothing takes none."""
    key = hashlib.sha256(page.read_bytes() + f"{lang}{width}x{height}@{scale}{fragment}".encode())
    cached = cache / (key.hexdigest()[:32] + ".png")
    if cached.exists():
        return cached.read_bytes()
    cache.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as profile:
        shot = pathlib.Path(profile) / "shot.png"
        command = [chromium, "--headless=new", "--no-sandbox", "--disable-gpu",
                   "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                   f"--user-data-dir={profile}", f"--lang={lang}", f"--window-size={width},{height}",
                   f"--force-device-scale-factor={scale}", "--virtual-time-budget=5000",
                   f"--screenshot={shot}", page.resolve().as_uri() + fragment]
        subprocess.run(command, check=True, capture_output=True, timeout=120,
                       env={**os.environ, "HOME": profile})
        data = shot.read_bytes()
    cached.write_bytes(data)
    return data


def screenshots(chromium, onefile_page, lang, cache):
    """{file name on the site: PNG} and the manifest's (form, name, width,
    height) of one language's screenshots."""
    files, shots = {}, []
    for form, width, height, scale, fragment in SCREENSHOTS:
        name = f"screenshots/{lang}-{form}.png"
        files[name] = screenshot(chromium, onefile_page, lang, width, height, scale, fragment,
                                 cache)
        shots.append((form, name, width * scale, height * scale))
    return files, shots
