// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/decoder.h"
#include "codes/resultwords.h"
#include "texts/texts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The three coding tables that operators print to set up a batch of
// decoders: every address with the switches to set ON. The rows carry the
// switch patterns themselves; the text, CSV and PDF forms each format the
// same rows, so all three always list the same addresses and switches. Their
// titles, notes and headings are the language's texts (texts.library.tables,
// the page's as well).
namespace velmarit {

// The name a table is asked for by on the command line: "lok", "delta" or
// "weichen" (any case).
std::optional<Decoder> decoderFromTableName(std::string_view name);
std::string tableName(Decoder kind);

// A turnout's place on the keyboards: sixteen turnouts to a keyboard.
int keyboardOfTurnout(int turnout);
int keyOfTurnout(int turnout);

// A column beside the switches. The text form has little room on an A4 page
// and may use a shorter heading than the spreadsheet and the PDF.
struct TableColumn
{
    std::string shortHeading;
    std::string heading;
};

struct TableRow
{
    // The cells left of the switches (the address first) and right of them.
    std::vector<std::string> leading;
    unsigned onSwitches = 0; // bit n-1 is switch n
    std::vector<std::string> trailing;
    // The first row of a new group: the first turnout of each decoder (but
    // the first), whose four rows share switches 1 to 8.
    bool startsGroup = false;
};

struct CodingTable
{
    Decoder kind = Decoder::Lok;
    std::string title;
    // Below the title: a short note for the text form, a full sentence where
    // there is room (the PDF).
    std::string shortNote;
    std::string note;
    int switchCount = 0;
    std::vector<TableColumn> leading;
    TableColumn switches;
    std::vector<TableColumn> trailing;
    std::vector<TableRow> rows;
    // The switches of a row with none ON ("keiner (alle OFF)").
    std::string noSwitchOn;
};

// Locomotive addresses 1 to 80; the fifteen Delta addresses in the order of
// the window's list, then "analog" (all switches OFF); turnout addresses 1 to
// 256 with decoder address, keyboard and key. Titles, notes, headings and
// the cells that are words in `language`.
CodingTable codingTable(Decoder kind, const Texts &language = texts::german);

// The same table without its texts, for a caller that has them already (the
// page): its rows, with `words` in the cells that are words, and its columns
// with empty headings.
CodingTable tableRows(Decoder kind, const ResultWords &words);

// The switches that are ON, ascending, separated by blanks ("2 3 5 7");
// the no-switch word ("keiner (alle OFF)") when none is.
std::string switchesOnText(unsigned onSwitches, int switchCount,
                           const ResultWords &words = germanWords);

// The switches of `row` that are ON, as `table` lists them.
std::string switchesOnText(const CodingTable &table, const TableRow &row);

} // namespace velmarit
