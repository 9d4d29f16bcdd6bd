// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/sheetfonts.h"

namespace velmarit {

QStringList sheetFontFamilies()
{
    // Arial is on every Windows; Liberation Sans has the same metrics where
    // someone installed it.
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}

} // namespace velmarit
