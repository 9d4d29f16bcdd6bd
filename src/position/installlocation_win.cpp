// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows has no shared program folder: an installed Velmarit has a folder of
// its own below Program Files or the user's programs, and whether it keeps
// its file there is for the folder's access rules to say.

#include "position/installlocation.h"

namespace velmarit {

bool isSystemProgramDir(const QString & /*programDir*/, const QString & /*installBinDir*/)
{
    return false;
}

bool isSystemInstallation(const QString & /*programDir*/)
{
    return false;
}

} // namespace velmarit
