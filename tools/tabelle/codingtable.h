// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velmarit {

// One column of a printed coding table. The text form has little room on an
// A4 page, so it may use a shorter heading than the spreadsheet form.
struct TableColumn
{
    QString heading;
    QString csvHeading;
    bool alignRight = false;
};

// A coding table as plain text cells, ready for either output form. Every row
// holds one cell per column.
struct CodingTable
{
    QString title;
    QString note;
    QList<TableColumn> columns;
    QList<QStringList> rows;
};

} // namespace velmarit
