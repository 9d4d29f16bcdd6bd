// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "outputforms.h"
#include "tables/codingtable.h"

#include <ostream>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmarit {

// Readable test names in ctest instead of byte dumps.
inline void PrintTo(Decoder kind, std::ostream *os)
{
    *os << tableName(kind);
}

} // namespace velmarit

namespace velmarit::test {

// The switch numbers of a table cell such as "2 3 5 7 9 10". Anything that is
// not a number 1 to 10 comes back as 0, which no decoder accepts.
inline QList<int> switchNumbers(const QString &cell)
{
    QList<int> numbers;
    for (const QString &part : cell.split(u' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        numbers.append(ok && n >= 1 && n <= 10 ? n : 0);
    }
    return numbers;
}

template <typename Pattern> Pattern patternOf(const QString &cell)
{
    Pattern pattern;
    for (const int n : switchNumbers(cell))
        pattern.set(n);
    return pattern;
}

// Every row's cells as the text and CSV forms print them.
inline QList<QStringList> rowsOf(const CodingTable &table)
{
    QList<QStringList> rows;
    for (const TableRow &row : table.rows)
        rows.append(rowCells(table, row));
    return rows;
}

// A reader for comma-separated text as spreadsheets write it: quoted fields
// may hold commas, doubled quotes and line breaks. An empty line ends a table.
inline QList<QList<QStringList>> parseCsvTables(const QString &text)
{
    QList<QList<QStringList>> tables(1);
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
            fieldStarted = true;
        } else if (c == u',') {
            record.append(field);
            field.clear();
            fieldStarted = true;
        } else if (c == u'\n') {
            if (record.isEmpty() && field.isEmpty() && !fieldStarted) {
                tables.append(QList<QStringList>());
            } else {
                record.append(field);
                tables.last().append(record);
            }
            record.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !record.isEmpty()) {
        record.append(field);
        tables.last().append(record);
    }
    return tables;
}

} // namespace velmarit::test
