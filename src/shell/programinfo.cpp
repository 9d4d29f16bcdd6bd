// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/programinfo.h"

#include "shell/velmaritversion.h"

namespace velmarit {

QString releaseCaption(int major, int minor, int revision)
{
    return QStringLiteral("Rel. %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString releaseCaption()
{
    return releaseCaption(version::kMajor, version::kMinor, version::kRevision);
}

QString creditText(const QString &author)
{
    return QStringLiteral("programmed by ") + author;
}

QString creditText()
{
    return creditText(QString::fromUtf8(version::kAuthor));
}

QString creditHoverText(const QString &author)
{
    return u' ' + creditText(author) + u' ';
}

QString creditHoverText()
{
    return creditHoverText(QString::fromUtf8(version::kAuthor));
}

QString infoBoxTitle(const QString &productName)
{
    return QStringLiteral(" Info über ") + productName;
}

QString infoBoxTitle()
{
    return infoBoxTitle(QString::fromUtf8(version::kProductName));
}

QString infoBoxText(const QString &productName, int major, int revision,
                    const QString &copyrightHolder, const QString &contact)
{
    // The minor number is left out on purpose: the box has always shown
    // "2.3" for release 2.0.3.
    return QStringLiteral("Programm:     ") + productName + u'\r' +
           QStringLiteral("Release :       %1.%2").arg(major).arg(revision) + u'\r' + u'\r' +
           QStringLiteral("Copyright :     ") + copyrightHolder + u'\r' + u'\r' +
           QStringLiteral("mailto :           ") + contact;
}

QString infoBoxText()
{
    return infoBoxText(QString::fromUtf8(version::kProductName), version::kMajor,
                       version::kRevision, QString::fromUtf8(version::kCopyrightHolder),
                       QString::fromUtf8(version::kContact));
}

} // namespace velmarit
