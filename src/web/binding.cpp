// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's only way into the decoder codes: plain C functions on numbers
// and on UTF-8 text in the module's memory. Plain exports keep the
// WebAssembly and its loader small; nothing here decides a result itself.
//
// Texts go in through one buffer (`vm_text`), which the page fills with a
// box's whole text before it asks for a number, a pattern or a key verdict.
// Texts come out as pointers to one NUL-terminated result buffer, valid until
// the next call that returns text.

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/numberfromtext.h"
#include "codes/switchkeyrules.h"
#include "tables/codingtable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace velmarit;

// The three decoder kinds, in the window's panel order.
enum Kind : int { Delta = 0, Lok = 1, Weichen = 2 };

std::string g_text;
std::string g_result;

// The words of the page's language; German until the page sets its own.
std::array<std::string, 3> g_wordTexts;
ResultWords g_words = germanWords;

const char *result(std::string text)
{
    g_result = std::move(text);
    return g_result.c_str();
}

std::string_view text()
{
    return g_text;
}

std::string tableText(Decoder kind)
{
    // One line per record, fields apart by tabs: the title, the note, the
    // switch count with the heading of the switch column, the headings left
    // and right of the switches, then one line per row: its switch bits,
    // whether it starts a group, the switches as words, the cells.
    const CodingTable table = codingTable(kind, g_words);
    std::string out = table.title + '\n' + table.note + '\n' + std::to_string(table.switchCount) +
                      '\t' + table.switches.heading + '\n';
    const auto headings = [&out](const std::vector<TableColumn> &columns) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            out += (i ? "\t" : "") + columns[i].heading;
        out += '\n';
    };
    headings(table.leading);
    headings(table.trailing);
    for (const TableRow &row : table.rows) {
        out += std::to_string(row.onSwitches) + '\t' + (row.startsGroup ? "1" : "0") + '\t' +
               switchesOnText(row.onSwitches, table.switchCount, g_words);
        for (const std::string &cell : row.leading)
            out += '\t' + cell;
        for (const std::string &cell : row.trailing)
            out += '\t' + cell;
        out += '\n';
    }
    return out;
}

} // namespace

extern "C" {

// Room for a text of `length` bytes (and its NUL); the page writes the text
// there. The previous text is dropped.
char *vm_text(int length)
{
    g_text.assign(length > 0 ? static_cast<std::size_t>(length) : 0u, '\0');
    return g_text.data();
}

// The page's words, from `vm_text`: the invalid word, the analog word and
// the tables' no-switch word, apart by tabs. Returns 0, and keeps the words
// it had, unless there are exactly three.
int vm_set_words()
{
    const std::size_t first = g_text.find('\t');
    const std::size_t second = g_text.find('\t', first + 1);
    if (first == std::string::npos || second == std::string::npos ||
        g_text.find('\t', second + 1) != std::string::npos)
        return 0;
    g_wordTexts = {g_text.substr(0, first), g_text.substr(first + 1, second - first - 1),
                   g_text.substr(second + 1)};
    g_words = {g_wordTexts[0], g_wordTexts[1], g_wordTexts[2]};
    return 1;
}

int vm_number_from_text()
{
    return numberFromText(text());
}

const char *vm_switch_list(int kind, int number)
{
    if (kind == Lok)
        return result(switchListLok(static_cast<std::int16_t>(number), g_words));
    if (kind == Weichen)
        return result(switchListMA(number, g_words));
    return result({});
}

unsigned vm_pattern_from_text(int kind)
{
    switch (kind) {
    case Delta:
        return patternFromTextLokDelta(text()).bits();
    case Lok:
        return patternFromTextLok(text()).bits();
    case Weichen:
        return patternFromTextMA(text()).bits();
    }
    return 0;
}

// The display text of the pattern `bits` (bit n-1 is switch n).
const char *vm_address_text(int kind, unsigned bits)
{
    switch (kind) {
    case Delta:
        return result(
            addressTextLokDelta(decodeSwitchLokDelta(DeltaPattern::fromBits(bits)), g_words));
    case Lok:
        return result(addressTextLok(decodeSwitchLok(LokPattern::fromBits(bits)), g_words));
    case Weichen:
        return result(addressTextMA(decodeSwitchMA(MAPattern::fromBits(bits)), g_words));
    }
    return result({});
}

// 1 when the pattern's result is shown in the highlight colours.
int vm_highlighted(int kind, unsigned bits)
{
    switch (kind) {
    case Delta:
        return highlightedLokDelta(decodeSwitchLokDelta(DeltaPattern::fromBits(bits)));
    case Lok:
        return highlightedLok(decodeSwitchLok(LokPattern::fromBits(bits)));
    case Weichen:
        return highlightedMA(decodeSwitchMA(MAPattern::fromBits(bits)));
    }
    return 0;
}

// The switch-number box's verdict on a typed character (its code point; 8 is
// Backspace) with the box's whole text in `vm_text`: the code to let it
// through, 0 to refuse it.
int vm_filter_key(int kind, int keyAscii)
{
    switch (kind) {
    case Delta:
        return filterDeltaSwitchKey(keyAscii);
    case Lok:
        return filterPairedSwitchKey(text(), keyAscii, lokSwitchPairs);
    case Weichen:
        return filterPairedSwitchKey(text(), keyAscii, maSwitchPairs);
    }
    return 0;
}

int vm_delta_row_count()
{
    return static_cast<int>(deltaAddressTable.size());
}

const char *vm_delta_row(int index)
{
    if (index < 0 || index >= vm_delta_row_count())
        return result({});
    return result(deltaRowText(deltaAddressTable[static_cast<std::size_t>(index)]));
}

const char *vm_coding_table(int kind)
{
    switch (kind) {
    case Delta:
        return result(tableText(Decoder::Delta));
    case Lok:
        return result(tableText(Decoder::Lok));
    case Weichen:
        return result(tableText(Decoder::MA));
    }
    return result({});
}

} // extern "C"
