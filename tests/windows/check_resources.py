#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a Windows program back with a PE reader: its version resource, its
icon (pixel for pixel against the pixel plan of packaging/programicon.py),
its manifest, its subsystem (window or console program), the DLLs it needs
(only Windows' own, everything else is linked in) and its exploit
protections (ASLR with high entropy, DEP, no section both writable and
executable). The installer (kind "setup") gets the same checks except the
icon's pixels, which its maker stores in its own way.

Usage: check_resources.py PROGRAM.exe gui|console|setup VERSION COPYRIGHT CONTACT
"""

import pathlib
import struct
import sys

import pefile

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.append(str(ROOT / "packaging"))
import programicon  # noqa: E402  (found in packaging/)

# DLLs every Windows has; a Qt, C++ runtime or thread-library DLL in the
# import list would be missing on the user's machine.
SYSTEM_DLLS = {
    "advapi32.dll", "comdlg32.dll", "d3d9.dll", "dwmapi.dll", "gdi32.dll", "imm32.dll",
    "kernel32.dll", "msvcrt.dll", "netapi32.dll", "ole32.dll", "oleaut32.dll", "shell32.dll",
    "shlwapi.dll", "user32.dll", "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll",
    "ws2_32.dll", "wtsapi32.dll", "mpr.dll", "setupapi.dll", "d3d11.dll", "dxgi.dll",
    "authz.dll", "opengl32.dll", "dwrite.dll", "d2d1.dll", "bcrypt.dll", "secur32.dll",
    "cfgmgr32.dll", "shcore.dll", "ntdll.dll", "comctl32.dll", "crypt32.dll", "rpcrt4.dll",
    "usp10.dll", "iphlpapi.dll", "d3d12.dll", "dxgi.dll", "powrprof.dll", "wininet.dll",
    "winspool.drv",  # the print spooler's client
}


def is_system_dll(name):
    # api-ms-win-*: the API sets through which newer Windows exports its core.
    return name in SYSTEM_DLLS or name.startswith("api-ms-win-")

failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def file_version_text(version):
    major, minor, patch = (int(p) for p in version.split("."))
    return f"{major}.{minor:02d}.{patch:04d}"


def version_strings(pe):
    values = {}
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                for key, value in table.entries.items():
                    values[key.decode()] = value.decode()
    return values


def resources(pe, type_id):
    """{name or id: [data of each language]} for one resource type."""
    found = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != type_id:
            continue
        for entry in kind.directory.entries:
            key = entry.id if entry.name is None else str(entry.name)
            for lang in entry.directory.entries:
                rva, size = lang.data.struct.OffsetToData, lang.data.struct.Size
                found.setdefault(key, []).append(pe.get_data(rva, size))
    return found


def icon_entries(pe):
    """(width, height, image data) for each image of the first icon group."""
    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    icons = resources(pe, pefile.RESOURCE_TYPE["RT_ICON"])
    if not groups:
        return []
    group = groups[sorted(groups, key=str)[0]][0]
    _, _, count = struct.unpack_from("<HHH", group, 0)
    entries = []
    for i in range(count):
        width, height, _, _, _, _, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        entries.append((width or 256, height or 256, icons[icon_id][0]))
    return entries


def icon_images(pe):
    """(width, height, rows of RGBA) for each image of the first icon group."""
    images = []
    for width, height, data in icon_entries(pe):
        header_size, dib_w, dib_h, _, dib_bits = struct.unpack_from("<IiiHH", data, 0)
        if (dib_w, dib_h, dib_bits) != (width, height * 2, 32):
            images.append((width, height, None))
            continue
        rows = []
        offset = header_size
        for _ in range(height):
            row = []
            for x in range(width):
                b, g, r, a = data[offset + 4 * x: offset + 4 * x + 4]
                row.append((r, g, b, a))
            rows.append(row)
            offset += 4 * width
        images.append((width, height, list(reversed(rows))))
    return images


def ico_file_images(path):
    data = path.read_bytes()
    _, _, count = struct.unpack_from("<HHH", data, 0)
    images = []
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        images.append(data[offset:offset + size])
    return images


def icon_resource_data(pe):
    return [data for _, _, data in icon_entries(pe)]


def plan_rgba(scale):
    grid = programicon.pixels()
    size = programicon.SIZE * scale
    return [[programicon.rgba(grid[y // scale][x // scale]) for x in range(size)]
            for y in range(size)]


def same_pixels(actual, expected):
    # Every transparent pixel counts as one, whatever colour it carries.
    def norm(p):
        return (0, 0, 0, 0) if p[3] == 0 else p
    return all(norm(a) == norm(e) for ra, re in zip(actual, expected) for a, e in zip(ra, re))


DLL_CHARACTERISTICS = {
    "DYNAMIC_BASE": 0x0040,
    "HIGH_ENTROPY_VA": 0x0020,
    "NX_COMPAT": 0x0100,
}
RELOCS_STRIPPED = 0x0001
SCN_MEM_EXECUTE = 0x20000000
SCN_MEM_WRITE = 0x80000000


def check_protections(pe, name, kind):
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    # ASLR needs relocations to move the image; the flag alone promises it
    # without the means.
    relocatable = (not pe.FILE_HEADER.Characteristics & RELOCS_STRIPPED
                   and pe.OPTIONAL_HEADER.DATA_DIRECTORY[5].Size > 0)
    if kind == "setup":
        # The stub of Debian's NSIS is linked without relocations, so the
        # installer cannot be moved; it must at least not claim otherwise.
        check(not relocatable and not flags & DLL_CHARACTERISTICS["DYNAMIC_BASE"],
              f"{name}: no relocations, and no ASLR claimed without them (flags {flags:#06x})")
        wanted = ["NX_COMPAT"]
    else:
        check(relocatable, f"{name}: has relocations, so ASLR can move it")
        wanted = list(DLL_CHARACTERISTICS)
    for flag in wanted:
        check(bool(flags & DLL_CHARACTERISTICS[flag]), f"{name}: {flag} set (flags {flags:#06x})")
    both = [section.Name.rstrip(b"\0").decode(errors="replace") for section in pe.sections
            if section.Characteristics & SCN_MEM_WRITE and section.Characteristics & SCN_MEM_EXECUTE]
    check(not both, f"{name}: no section both writable and executable (found {both})")


def main():
    program, kind, version, copyright_holder, contact = sys.argv[1:6]
    name = pathlib.Path(program).stem
    pe = pefile.PE(program)

    strings = version_strings(pe)
    expected = {
        "ProductName": "Velmarit",
        "FileVersion": file_version_text(version),
        "ProductVersion": file_version_text(version),
        "LegalCopyright": copyright_holder,
        "Comments": contact,
        "OriginalFilename": name + ".exe",
        "InternalName": name,
    }
    if kind == "setup":
        expected["FileDescription"] = "Velmarit-Installation"
        expected["CompanyName"] = copyright_holder
    for key, value in expected.items():
        check(strings.get(key) == value, f"{name}: {key} is {value!r} (read {strings.get(key)!r})")
    fixed = getattr(pe, "VS_FIXEDFILEINFO", [None])[0]
    major, minor, patch = (int(p) for p in version.split("."))
    check(fixed is not None
          and (fixed.FileVersionMS, fixed.FileVersionLS) == ((major << 16) | minor, patch),
          f"{name}: binary file version is {major}.{minor}.0.{patch}")

    check_protections(pe, name, kind)

    subsystem = pe.OPTIONAL_HEADER.Subsystem
    want = pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_" + ("CUI" if kind == "console" else "GUI")]
    check(subsystem == want, f"{name}: a {kind} program (subsystem {subsystem})")

    imports = {entry.dll.decode().lower() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    foreign = sorted(dll for dll in imports if not is_system_dll(dll))
    check(not foreign, f"{name}: needs no DLL beside it (imports outside Windows: {foreign})")

    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        check(False, f"{name}: has resources at all")
        return 1
    manifests = resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])
    manifest = manifests.get(1, [b""])[0]
    check(b'level="asInvoker"' in manifest, f"{name}: manifest runs it without elevation")
    if kind == "setup":
        print(f"{name}: {len(failures)} failed")
        return 1 if failures else 0

    images = icon_images(pe)
    check([(w, h) for w, h, _ in images] == [(16, 16), (32, 32), (48, 48)],
          f"{name}: icon sizes 16, 32, 48 (read {[(w, h) for w, h, _ in images]})")
    for width, _, rows in images:
        check(rows is not None and same_pixels(rows, plan_rgba(width // 16)),
              f"{name}: {width} x {width} icon shows the window icon's pixels")

    # The linked icon is the checked-in one, which the Linux tests compare
    # with the window icon itself.
    check(icon_resource_data(pe) == ico_file_images(ROOT / "packaging" / "icons" / "velmarit.ico"),
          f"{name}: icon resource holds packaging/icons/velmarit.ico")

    print(f"{name}: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
