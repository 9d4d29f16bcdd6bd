// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/codingtable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The forms a coding table takes on standard output: aligned text for paper
// and CSV for spreadsheets, both written straight from the table's rows.
namespace velmarit {

// What is being written: CSV may need a different file form than text.
enum class OutputForm { Text, Csv };

// A row's cells as both forms print them: the cells left of the switches,
// the switches to set ON as a list of numbers, the cells right of them.
QStringList rowCells(const CodingTable &table, const TableRow &row);

// What fits one A4 page printed as plain text at the usual 10 or 12
// characters per inch.
struct PageLimits
{
    int columns = 80;
    int lines = 70;
};

// The table as aligned text for printing, under the columns' short headings:
// the number columns right-aligned, the switches left-aligned. Long tables
// are set in several blocks side by side (read down, then across) and, when
// even that does not fit, over several pages; each page repeats the title
// (with "Seite n von m" in `language`) and the headings, and every page
// after the first starts with a form feed.
QString formatText(const CodingTable &table, PageLimits limits = {},
                   const Texts &language = texts::german);

// One field of a comma-separated file: quoted, with inner quotes doubled,
// only when it holds a comma, a quote or a line break.
QString csvField(const QString &field);

// The table for spreadsheets: a row of the columns' full headings, then one
// line per row, each ended by a line feed.
QString formatCsv(const CodingTable &table);

// The bytes a Windows user expects in a file: UTF-8 with CR LF line ends, and
// for CSV a byte order mark in front, without which spreadsheets read the
// file in the old ANSI code page and garble the umlauts. Line ends already
// written as CR LF stay single.
QByteArray windowsFileBytes(const QString &text, OutputForm form);

} // namespace velmarit
