// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace velmarit {

// Whether the program in `programDir` is installed in the system's program
// folders (/usr/bin as a distribution package puts it, /usr/local/bin, or
// the folder this build's install rules name) rather than started from a
// folder of its own (a build tree, an unpacked copy). Such a folder belongs
// to the system and is shared by every user: an installed program keeps
// nothing there, not even when run by the superuser, who could write it.
// Defined once per platform; on Windows every program keeps to its own
// folder.
bool isSystemInstallation(const QString &programDir);

// The rule behind isSystemInstallation, with the folder the install rules
// put programs in (`installBinDir`) given rather than taken from the build.
bool isSystemProgramDir(const QString &programDir, const QString &installBinDir);

} // namespace velmarit
