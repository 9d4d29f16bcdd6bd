// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csvformat.h"

#include <QStringList>

namespace velmarit {

namespace {

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u',') + u'\n';
}

} // namespace

QString csvField(const QString &field)
{
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') ||
                             field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes)
        return field;
    QString escaped = field;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString formatCsv(const TextTable &table)
{
    QStringList headings;
    for (const TextColumn &column : table.columns)
        headings.append(column.csvHeading);
    QString text = csvLine(headings);
    for (const QStringList &row : table.rows)
        text += csvLine(row);
    return text;
}

} // namespace velmarit
