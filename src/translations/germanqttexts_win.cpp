// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/germanqttexts.h"

namespace velmarit {

QString germanQtCatalogue()
{
    // The program is one file with no Qt installation beside it: the
    // catalogue is a resource inside it (see CMakeLists.txt).
    return QStringLiteral(":/velmarit/translations/qtbase_de.qm");
}

} // namespace velmarit
