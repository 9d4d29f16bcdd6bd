#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what scripts/windows leaves beside the programs: SHA256SUMS names
every download and matches each; the Debian qt6-base source package is
there exactly as the Qt build fetched it, complete by its own .dsc, and is
the version with the patches the Qt cache's stamp records; Velmarit's source
archive is the commit (every file git has, under one folder, stamped with the
commit's time).

Usage: check_downloads.py BUILD-DIR VERSION QT-PREFIX SOURCE-ROOT
"""

import hashlib
import pathlib
import re
import subprocess
import sys
import tarfile

failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def dsc_field(text, name):
    match = re.search(rf"^{name}: *(.*)$", text, re.M)
    return match.group(1).strip() if match else None


def dsc_checksums(text):
    """{file name: sha256} from the .dsc's Checksums-Sha256 field."""
    block = re.search(r"^Checksums-Sha256:\n((?: .*\n)+)", text, re.M)
    sums = {}
    for line in block.group(1).splitlines() if block else []:
        digest, _, name = line.split()
        sums[name] = digest
    return sums


def series_of(debian_tar):
    with tarfile.open(debian_tar) as tar:
        text = tar.extractfile("debian/patches/series").read().decode()
    return [line.strip() for line in text.splitlines() if line.strip() and not line.startswith("#")]


def git(root, *args):
    result = subprocess.run(["git", "-C", str(root), *args], capture_output=True, text=True)
    return result.stdout if result.returncode == 0 else None


def main():
    out, version, qt_prefix, source_root = (pathlib.Path(sys.argv[1]), sys.argv[2],
                                            pathlib.Path(sys.argv[3]), pathlib.Path(sys.argv[4]))
    qt_sources = sorted(p.name for p in (qt_prefix / "source").iterdir())
    source_archive = f"Velmarit-{version}-source.tar.xz"
    expected = {f"Velmarit-{version}-win64.zip", f"Velmarit-{version}-win64-setup.exe",
                source_archive, *qt_sources}

    sums_file = out / "SHA256SUMS"
    listed = {}
    if sums_file.exists():
        for line in sums_file.read_text().splitlines():
            digest, name = line.split(maxsplit=1)
            listed[name.lstrip("*")] = digest
    check(set(listed) == expected,
          f"SHA256SUMS names exactly the downloads (extra {sorted(set(listed) - expected)}, "
          f"missing {sorted(expected - set(listed))})")
    for name, digest in sorted(listed.items()):
        path = out / name
        check(path.exists() and sha256(path) == digest, f"SHA256SUMS matches {name}")

    # The Debian source package, exactly as fetched, and whole.
    for name in qt_sources:
        check((out / name).exists() and (out / name).read_bytes() == (qt_prefix / "source" / name).read_bytes(),
              f"{name} beside the downloads is the Qt build's own")
    dscs = [n for n in qt_sources if n.endswith(".dsc")]
    check(len(dscs) == 1 and len(qt_sources) == 3, f"one .dsc with its two tarballs ({qt_sources})")
    if dscs:
        dsc = (out / dscs[0]).read_text()
        sums = dsc_checksums(dsc)
        for name in qt_sources:
            if name in sums:
                check(sha256(out / name) == sums[name], f"{name} has the checksum its .dsc gives")
        check(set(sums) == set(qt_sources) - {dscs[0]}, f"the .dsc names exactly the two tarballs ({sorted(sums)})")
        stamp = (qt_prefix / ".velmarit-complete").read_text()
        check(dsc_field(stamp, "debian-version") == dsc_field(dsc, "Version"),
              f"the Qt cache's stamp records Debian version {dsc_field(dsc, 'Version')}")
        debian_tar = [n for n in qt_sources if ".debian.tar." in n]
        if debian_tar:
            recorded = re.search(r"^patches-applied:\n((?: .*\n)*)", stamp, re.M)
            recorded = recorded.group(1).split() if recorded else []
            series = series_of(out / debian_tar[0])
            check(recorded == series and len(series) > 0,
                  f"the stamp lists the package's {len(series)} patches as applied")

    # Velmarit's own source: the commit, under one folder.
    archive = out / source_archive
    if archive.exists():
        with tarfile.open(archive) as tar:
            members = tar.getmembers()
            prefix = f"Velmarit-{version}/"
            files = sorted(m.name[len(prefix):] for m in members if m.isfile() or m.issym())
            # tarfile gives the folder itself without its slash.
            outside = [m.name for m in members if not (m.name + "/").startswith(prefix)]
            check(not outside, f"every file is under {prefix} (outside: {outside[:5]})")
            date_file = tar.extractfile(prefix + "packaging/windows/source-date")
            stamped = date_file.read().decode().splitlines()[-1] if date_file else ""
        committed = git(source_root, "ls-tree", "-r", "--name-only", "HEAD")
        if committed is not None:
            check(files == sorted(committed.split("\n")[:-1]),
                  f"the archive holds the {len(files)} files of the commit, no more, no fewer")
            commit_time = git(source_root, "log", "-1", "--format=%ct").strip()
            check(stamped == commit_time, f"the archive carries the commit's time ({stamped})")
        else:
            check(stamped.isdigit(), f"the archive carries a commit time ({stamped})")

    print(f"downloads: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
