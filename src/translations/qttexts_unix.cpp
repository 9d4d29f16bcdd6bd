// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/qttexts.h"

#include <QDir>
#include <QLibraryInfo>

namespace velmarit {

QString qtCatalogue(const QString &language)
{
    // Debian's qt6-translations-l10n, a dependency of the package.
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_%1.qm").arg(language));
}

} // namespace velmarit
