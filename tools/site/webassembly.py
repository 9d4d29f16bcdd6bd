# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The codes as the Emscripten build leaves them (src/web): the site's
loader with the .wasm beside it, and the one-file page's with the .wasm
inside."""

import hashlib
import json

from render import BuildError


def site_files(folder):
    """The loader and the WebAssembly for the site, {name: bytes}. The
    WebAssembly's name carries its hash, and the loader asks for that name:
    a loader never runs another release's WebAssembly, whichever cache or
    host answers."""
    module = (folder / "velmarit.wasm").read_bytes()
    name = f"velmarit-{hashlib.sha256(module).hexdigest()[:16]}.wasm"
    loader = (folder / "velmarit.js").read_text(encoding="utf-8")
    if '"velmarit.wasm"' not in loader:
        raise BuildError("the loader does not name velmarit.wasm")
    loader = loader.replace('"velmarit.wasm"', json.dumps(name))
    return {"velmarit.js": loader.encode(), name: module}


def onefile_loader(folder):
    return (folder / "velmarit-single.js").read_text(encoding="utf-8")
