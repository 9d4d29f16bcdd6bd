// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfcreationdate.h"

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
    // "/CreationDate (D:20261207175531Z)": UTC to the second.
    static const QByteArray key("/CreationDate (D:");
    const QByteArray stamp = time.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    const qsizetype at = pdf.indexOf(key);
    if (at < 0 || stamp.size() != 14)
        return pdf;
    const qsizetype digitsAt = at + key.size();
    if (pdf.size() < digitsAt + 16 || pdf.mid(digitsAt + 14, 2) != "Z)")
        return pdf;
    for (qsizetype i = 0; i < 14; ++i) {
        if (pdf.at(digitsAt + i) < '0' || pdf.at(digitsAt + i) > '9')
            return pdf;
    }
    pdf.replace(digitsAt, 14, stamp);
    return pdf;
}

} // namespace velmarit
