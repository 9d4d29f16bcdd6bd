// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/programinfo.h"

#include "version/velmaritversion.h"

namespace velmarit {

ProgramInfo makeProgramInfo(const QString &productName, int major, int minor, int revision,
                            const QString &author, const QString &copyrightHolder,
                            const QString &contact)
{
    const QString credit = QStringLiteral("programmed by ") + author;
    // The box leaves the minor number out: release 2.0.3 is "2.3" there.
    const QString boxText = QStringLiteral("Programm:     %1\n"
                                           "Release :       %2.%3\n"
                                           "\n"
                                           "Copyright :     %4\n"
                                           "\n"
                                           "mailto :           %5")
                                .arg(productName, QString::number(major), QString::number(revision),
                                     copyrightHolder, contact);
    return {QStringLiteral("Rel. %1.%2.%3").arg(major).arg(minor).arg(revision), credit,
            u' ' + credit + u' ', QStringLiteral(" Info über ") + productName, boxText};
}

const ProgramInfo &programInfo()
{
    static const ProgramInfo info = makeProgramInfo(
        QString::fromUtf8(version::kProductName), version::kMajor, version::kMinor,
        version::kRevision, QString::fromUtf8(version::kAuthor),
        QString::fromUtf8(version::kCopyrightHolder), QString::fromUtf8(version::kContact));
    return info;
}

} // namespace velmarit
