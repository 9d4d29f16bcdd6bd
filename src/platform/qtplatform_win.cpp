// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On Windows: Qt's windows platform draws on the session's desktop, which
// every session that can start a program has, console and service sessions
// included. There is no display server to ask or to avoid.

#include "platform/qtplatform.h"

namespace velmarit {

std::string prepareDisplay(int /*argc*/, char ** /*argv*/, const Texts & /*language*/)
{
    return {};
}

void preparePdfPlatform() {}

} // namespace velmarit
