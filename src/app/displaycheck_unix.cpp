// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaycheck.h"

#include <cstdlib>
#include <initializer_list>

namespace velmarit {

// Started from a plain console (no X, no Wayland, no platform chosen).
bool graphicalDisplayAvailable()
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace velmarit
