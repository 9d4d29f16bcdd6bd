#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the static Qt for 64-bit Windows that the cross build links, from
# Debian's own qt6-base source package, once, into a cache outside the clone:
#
#   ~/.cache/velmarit/qt-<version>-mingw64-static-<options hash>/
#
# Prints that folder's path as its last line. A folder there is trusted only
# when it holds the stamp file written after a complete install; a broken or
# interrupted build is never renamed into place, so the next run starts over.
#
# Needs: dpkg-dev (apt-get source), g++-mingw-w64-x86-64-posix, cmake, ninja,
# qt6-base-dev (the host tools: moc, rcc, uic of the same version).
set -euo pipefail

QT_VERSION=6.4.2
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TOOLCHAIN="$HERE/mingw-w64-x86_64.cmake"

# Only what Velmarit needs: Core, Gui, Widgets, PrintSupport (printing the
# coding tables from the window), the windows platform plugin and the Windows
# styles. Tablet events are off because the Debian tarball lacks the Wacom
# header they include; OpenGL stays in MinGW's dynamic form (turning it off
# breaks the 6.4.2 windows plugin).
#
# Size: the program links Qt statically, so Qt's code is most of the .exe.
# Qt is optimised for size, and every function and datum gets a section of its
# own so that the program's link (--gc-sections, windows.cmake) drops what
# nothing calls. Text formats nobody reads or writes here (Markdown, ODF) and
# FreeType (Windows draws and embeds fonts through DirectWrite) are left out.
QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_optimize_size=ON
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections"
    "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections"
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_printsupport=ON
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_testlib=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_textodfwriter=OFF
    -DFEATURE_freetype=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_libpng=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
)

# How the source is unpacked is part of what gets built: Debian's package with
# all of its patches applied (dpkg-source -x), as the Linux Qt is built. None is
# left out: all eleven of 6.4.2+dfsg-10 apply to and build in a Windows build.
RECIPE="debian-source-package-with-patches"

cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/velmarit
# The folder's name carries the options (and this recipe's toolchain file), so
# a change of either builds a new Qt instead of trusting an old one.
hash=$(printf '%s\n' "$RECIPE" "${QT_OPTIONS[@]}" | cat - "$TOOLCHAIN" | sha256sum | cut -c1-12)
prefix="$cache_root/qt-$QT_VERSION-mingw64-static-$hash"
stamp="$prefix/.velmarit-complete"

if [ -f "$stamp" ]; then
    echo "velmarit: using the cached Qt $QT_VERSION for Windows in $prefix" >&2
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache_root"
work=$(mktemp -d "$cache_root/build-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "velmarit: building Qt $QT_VERSION for Windows once (about 20 minutes on 2 cores)" >&2
echo "velmarit: work folder $work" >&2

# Fetch the source package through a deb-src copy of the system's sources,
# used only for this fetch; apt checks the checksums, the system's own package
# lists stay untouched.
apt_dir="$work/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
: >"$apt_dir/sources.list"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" >"$apt_dir/src-$(basename "$f")"
done
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb /deb-src /p' "$f" >>"$apt_dir/sources.list"
done
apt_opts=(
    -o "Dir::Etc::sourcelist=$apt_dir/sources.list"
    -o "Dir::Etc::sourceparts=$apt_dir"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache::Archives=$apt_dir/archives"
    -o "Debug::NoLocking=1"
    -o "APT::Sandbox::User=root"
)
apt-get "${apt_opts[@]}" update -qq
(cd "$work" && apt-get "${apt_opts[@]}" source --download-only qt6-base >&2)
# Debian 12 carries exactly this version; anything else is a changed system.
dsc=$(ls "$work"/qt6-base_"$QT_VERSION"*.dsc 2>/dev/null | head -n 1)
if [ -z "$dsc" ]; then
    echo "velmarit: Debian's qt6-base source is not version $QT_VERSION here" >&2
    exit 1
fi
echo "velmarit: unpacking $(basename "$dsc") with Debian's patches" >&2
dpkg-source -x "$dsc" "$work/src" >&2
debian_version=$(sed -n 's/^Version: //p' "$dsc")

# Installed straight into the cache folder; only the stamp written after a
# complete install makes a later run trust it.
rm -rf "$prefix"
cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 || {
    tail -n 40 "$work/configure.log" >&2
    echo "velmarit: configuring Qt failed (log above)" >&2
    exit 1
}
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >/dev/null
# The source package exactly as fetched goes with the build: the GPL asks that
# the complete source travel with a program that carries this Qt.
mkdir -p "$prefix/source"
for f in "$dsc" "$work"/qt6-base_*.orig.tar.* "$work"/qt6-base_*.debian.tar.*; do
    cp -p "$f" "$prefix/source/"
done
{
    echo "debian-version: $debian_version"
    echo "patches-applied:"
    sed -e '/^#/d' -e '/^$/d' -e 's/^/ /' "$work/src/debian/patches/series"
    echo "completed: $(date -u +%FT%TZ)"
} >"$stamp.tmp"
mv "$stamp.tmp" "$stamp"
echo "velmarit: Qt for Windows ready in $prefix" >&2
echo "$prefix"
