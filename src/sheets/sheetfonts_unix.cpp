// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/sheetfonts.h"

namespace velmarit {

QStringList sheetFontFamilies()
{
    // Liberation Sans comes with the program's Debian package; Arial is the
    // same design where it does not.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
}

} // namespace velmarit
