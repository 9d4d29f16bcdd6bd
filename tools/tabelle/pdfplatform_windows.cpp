// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfplatform.h"

namespace velmarit {

void preparePdfPlatform()
{
    // The windows platform needs no display of its own: it works in a
    // console and in a service session alike.
}

QStringList pdfFontFamilies()
{
    // Arial is on every Windows; Liberation Sans has the same metrics where
    // someone installed it.
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}

} // namespace velmarit
