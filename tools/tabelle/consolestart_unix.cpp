// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A desktop here starts a command-line program in a terminal that stays open
// (or not at all), so there is nothing to explain.

#include "consolestart.h"

namespace velmarit {

bool startedInOwnConsole()
{
    return false;
}

void waitForKeyPress() {}

} // namespace velmarit
