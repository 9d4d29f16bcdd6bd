// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/qttexts.h"

namespace velmarit {

QString qtCatalogue(const QString &language)
{
    // The program is one file with no Qt installation beside it: the
    // catalogues are resources inside it (see CMakeLists.txt).
    return QStringLiteral(":/velmarit/translations/qtbase_%1.qm").arg(language);
}

} // namespace velmarit
