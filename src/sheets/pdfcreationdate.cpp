// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/pdfcreationdate.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace velmarit {

std::optional<QDateTime> sourceDateEpoch(const QByteArray &value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,12}$"));
    if (!digits.match(QString::fromLatin1(value)).hasMatch())
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(value.toLongLong(), QTimeZone::utc());
}

QByteArray withCreationDate(QByteArray pdf, const QDateTime &time)
{
    // Qt writes the local time to the second, then "Z" in UTC or the
    // offset, e.g. "/CreationDate (D:20261208082814+14'00')". The new date
    // is given in UTC in the same form, so that its length stays the same.
    static const QByteArray key("/CreationDate (D:");
    const qsizetype at = pdf.indexOf(key);
    if (at < 0)
        return pdf;
    const qsizetype digitsAt = at + key.size();
    const QByteArray rest = pdf.mid(digitsAt, 22);
    static const QRegularExpression qtDate(
        QStringLiteral("^[0-9]{14}(Z|[+-][0-9]{2}'[0-9]{2}')\\)"));
    const QRegularExpressionMatch match = qtDate.match(QString::fromLatin1(rest));
    if (!match.hasMatch())
        return pdf;
    QByteArray stamp = time.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    stamp += match.capturedLength(1) == 1 ? QByteArray("Z") : QByteArray("+00'00'");
    if (stamp.size() != match.capturedLength(0) - 1)
        return pdf; // a year beyond 9999
    pdf.replace(digitsAt, stamp.size(), stamp);
    return pdf;
}

} // namespace velmarit
