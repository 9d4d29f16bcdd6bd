#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The next release, for the release tests: the same page under another
version, with another WebAssembly (a custom section added, as a changed
build of the codes differs), made by the site tool itself, so that its
names, digests and worker are the tool's own.

Usage: next_release.py --wasm DIR --out DIR --version X.Y.Z -- SITE_TOOL..."""

import argparse
import pathlib
import shutil
import subprocess
import sys


def main():
    split = sys.argv.index("--")
    parser = argparse.ArgumentParser()
    for name in ("wasm", "out", "version"):
        parser.add_argument("--" + name, required=True)
    args = parser.parse_args(sys.argv[1:split])
    out = pathlib.Path(args.out)
    wasm = out / "wasm"
    wasm.mkdir(parents=True, exist_ok=True)
    for name in ("velmarit.js", "velmarit-single.js"):
        shutil.copyfile(pathlib.Path(args.wasm) / name, wasm / name)
    name, payload = b"velmarit", args.version.encode()
    section = bytes([len(name)]) + name + payload
    module = (pathlib.Path(args.wasm) / "velmarit.wasm").read_bytes()
    (wasm / "velmarit.wasm").write_bytes(module + bytes([0, len(section)]) + section)
    subprocess.run(sys.argv[split + 1:] + ["--wasm", str(wasm), "--out", str(out),
                                           "--version", args.version], check=True)


if __name__ == "__main__":
    main()
