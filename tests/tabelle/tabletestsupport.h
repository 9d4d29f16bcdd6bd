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
