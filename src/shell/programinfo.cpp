// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/programinfo.h"

#include "language/qtexts.h"
#include "version/velmaritversion.h"

#include <QStringList>

namespace velmarit {

ProgramInfo makeProgramInfo(const QString &productName, int major, int minor, int revision,
                            const QString &author, const QString &copyrightHolder,
                            const QString &contact, const Texts &language)
{
    const QString credit = filled(language.page.credit, {{"author", author}});
    // The box leaves the minor number out: release 2.0.3 is "2.3" there.
    const auto about = [&](std::string_view text) {
        return filled(text, {{"product", productName},
                             {"major", QString::number(major)},
                             {"revision", QString::number(revision)},
                             {"holder", copyrightHolder},
                             {"contact", contact}});
    };
    QStringList lines;
    for (const std::string_view line : language.info.lines)
        lines.append(about(line));
    const QString version = QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
    return {filled(language.page.release, {{"version", version}}), credit, u' ' + credit + u' ',
            about(language.info.title), lines.join(u'\n')};
}

ProgramInfo programInfo(const Texts &language)
{
    return makeProgramInfo(QString::fromUtf8(version::kProductName), version::kMajor,
                           version::kMinor, version::kRevision, QString::fromUtf8(version::kAuthor),
                           QString::fromUtf8(version::kCopyrightHolder),
                           QString::fromUtf8(version::kContact), language);
}

} // namespace velmarit
