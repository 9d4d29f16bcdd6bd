// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmarit {

// One row of a coding table as the PDF sets it: the cells left of the drawn
// switch block, the switches drawn ON, the same switches as text, and the
// cells right of the text.
struct SheetRow
{
    QStringList leading;
    unsigned onSwitches = 0; // bit n-1 is switch n
    QString onText;
    QStringList trailing;
    // A rule above the row: the first turnout of each decoder, whose four
    // rows share switches 1 to 8.
    bool startsGroup = false;
};

// A coding table with its switch patterns, built from the same rows as the
// text and CSV forms so that all three always say the same.
struct SheetTable
{
    QString title;
    QString note;
    int switchCount = 0;
    QStringList leadingHeadings;
    QString blockHeading;
    QString onHeading;
    QStringList trailingHeadings;
    QList<SheetRow> rows;
};

SheetTable sheetTable(TableKind kind);

// The switches of a list such as "2 3 5 7 9 10" as bits (bit n-1 is switch
// n). Nothing comes back when a part is not a switch number 1 to `count`, so
// a list the drawing cannot show is never drawn wrong.
std::optional<unsigned> switchBits(const QString &list, int count);

} // namespace velmarit
