// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/germanqttexts.h"

#include <QDir>
#include <QLibraryInfo>

namespace velmarit {

QString germanQtCatalogue()
{
    // Debian's qt6-translations-l10n, a dependency of the package.
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_de.qm"));
}

} // namespace velmarit
