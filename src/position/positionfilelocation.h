// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace velmarit {

inline constexpr char kPositionFileName[] = "Velmarit.ini";

// Where the position file is read at start and written at close.
struct PositionFileLocation
{
    QString readPath;
    QString writePath;

    friend bool operator==(const PositionFileLocation &, const PositionFileLocation &) = default;
};

// The file lives beside the program. Only when it cannot be written there (an
// installed copy in a system directory, or a file this user may not replace,
// left by a run as root) would the position never be kept; then the file in
// the user's configuration directory is written instead, and read as soon as
// it exists (until then the one beside the program, if any, still gives the
// first position). Without a program directory (empty `programDir`) only the
// file in the configuration directory is read and written.
PositionFileLocation choosePositionFileLocation(const QString &programDir, bool programDirWritable,
                                                const QString &configDir, bool configFileExists);

// The position file's path in `dir`; empty when `dir` is.
QString positionFileIn(const QString &dir);

// Whether a file can be created in `dir`. Asks the system rather than reading
// permission bits or attributes, so read-only mounts, write-protected
// directories and folders closed by access rules (C:\Program Files) count as
// unwritable for every user. Defined once per platform.
bool isDirectoryWritable(const QString &dir);

// Whether this user may write the existing file at `path`, asked the same
// way. False when there is no file.
bool isFileWritable(const QString &path);

// The folder below which programs keep per-user settings: ~/.config on
// Linux, %APPDATA% (the roaming application data) on Windows. Empty when the
// system names none.
QString userSettingsBaseDir();

// Applies choosePositionFileLocation to the file system as it is now: the
// program's directory counts as writable when a file can be made there and
// no file is in the way that this user may not write. Something there that
// is no file at all (a link to /dev/null, a pipe, a folder) keeps the place:
// the writer leaves it alone, so the position is kept nowhere, as its owner
// meant. A program installed in the system's folders (isSystemInstallation)
// has no program directory of its own for this purpose.
PositionFileLocation locatePositionFile(const QString &programDir, const QString &configDir);

// The program's directory, and the per-user configuration directory used
// when that cannot be written.
QString defaultProgramDir();
QString defaultConfigDir();

} // namespace velmarit
