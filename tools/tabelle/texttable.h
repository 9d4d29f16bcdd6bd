// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/codingtable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velmarit {

// One column of a coding table in text or CSV. The text form has little room
// on an A4 page, so it may use a shorter heading than the spreadsheet form.
struct TextColumn
{
    QString heading;
    QString csvHeading;
    bool alignRight = false;
};

// A coding table as text cells, ready for either of these output forms.
// Every row holds one cell per column.
struct TextTable
{
    QString title;
    QString note;
    QList<TextColumn> columns;
    QList<QStringList> rows;
};

// The table's rows written out: its number columns right-aligned, the
// switches to set ON as a list of numbers.
TextTable textTable(const CodingTable &table);

} // namespace velmarit
