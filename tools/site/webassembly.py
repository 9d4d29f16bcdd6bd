# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The codes as the Emscripten build leaves them (src/web): the site's
loader with the .wasm beside it, and the one-file page's with the .wasm
inside."""

import json

from digest import hashed_name
from render import BuildError


def site_files(folder):
    """The loader's name and {name: bytes} of the loader and the
    WebAssembly for the site. Both names carry their content's hash, and
    the loader asks for its WebAssembly's: a loader never runs another
    release's WebAssembly, whichever cache or host answers."""
    module = (folder / "velmarit.wasm").read_bytes()
    name = hashed_name("velmarit.wasm", module)
    loader = (folder / "velmarit.js").read_text(encoding="utf-8")
    if '"velmarit.wasm"' not in loader:
        raise BuildError("the loader does not name velmarit.wasm")
    loader = loader.replace('"velmarit.wasm"', json.dumps(name)).encode()
    loader_name = hashed_name("velmarit.js", loader)
    return loader_name, {loader_name: loader, name: module}


def onefile_loader(folder):
    return (folder / "velmarit-single.js").read_text(encoding="utf-8")
