// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycheck.h"

namespace velmarit {

// Every Windows session that can start a window program has a desktop.
std::string missingDisplay()
{
    return {};
}

} // namespace velmarit
