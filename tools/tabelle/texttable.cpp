// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texttable.h"

namespace velmarit {

namespace {

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

void appendColumns(QList<TextColumn> &columns, const std::vector<TableColumn> &from)
{
    for (const TableColumn &column : from)
        columns.append({fromStd(column.shortHeading), fromStd(column.heading), true});
}

void appendCells(QStringList &cells, const std::vector<std::string> &from)
{
    for (const std::string &cell : from)
        cells.append(fromStd(cell));
}

} // namespace

TextTable textTable(const CodingTable &table)
{
    TextTable text;
    text.title = fromStd(table.title);
    text.note = fromStd(table.shortNote);
    appendColumns(text.columns, table.leading);
    text.columns.append(
        {fromStd(table.switches.shortHeading), fromStd(table.switches.heading), false});
    appendColumns(text.columns, table.trailing);
    for (const TableRow &row : table.rows) {
        QStringList cells;
        appendCells(cells, row.leading);
        cells.append(fromStd(switchesOnText(row.onSwitches, table.switchCount)));
        appendCells(cells, row.trailing);
        text.rows.append(cells);
    }
    return text;
}

} // namespace velmarit
