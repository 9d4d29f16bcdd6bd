// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/programinfo.h"

#include "version/velmaritversion.h"

#include <QList>

#include <algorithm>
#include <utility>

namespace velmarit {

ProgramInfo makeProgramInfo(const QString &productName, int major, int minor, int revision,
                            const QString &author, const QString &copyrightHolder,
                            const QString &contact)
{
    const QString credit = QStringLiteral("programmed by ") + author;
    // The box leaves the minor number out: release 2.0.3 is "2.3" there.
    const QList<std::pair<QString, QString>> values = {
        {QStringLiteral("{product}"), productName},
        {QStringLiteral("{major}"), QString::number(major)},
        {QStringLiteral("{revision}"), QString::number(revision)},
        {QStringLiteral("{holder}"), copyrightHolder},
        {QStringLiteral("{contact}"), contact}};
    // One pass, so that a value is never read as a name.
    const auto filled = [&values](const char *text) {
        const QString from = QString::fromUtf8(text);
        QString out;
        for (qsizetype at = 0; at < from.size();) {
            const auto found = std::find_if(values.begin(), values.end(), [&](const auto &value) {
                return QStringView(from).sliced(at).startsWith(value.first);
            });
            if (found == values.end()) {
                out += from[at++];
            } else {
                out += found->second;
                at += found->first.size();
            }
        }
        return out;
    };
    return {QStringLiteral("Rel. %1.%2.%3").arg(major).arg(minor).arg(revision), credit,
            u' ' + credit + u' ', filled(version::kInfoBoxTitle), filled(version::kInfoBoxText)};
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
