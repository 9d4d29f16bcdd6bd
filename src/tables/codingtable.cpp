// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/codingtable.h"

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include <algorithm>
#include <map>

namespace velmarit {

namespace {

constexpr int lokAddressCount = 80;
constexpr int turnoutCount = 256;
constexpr int turnoutsPerDecoder = 4;
constexpr int turnoutsPerKeyboard = 16;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Every pattern the decoder accepts, by the address it sets. The decoders
// are the one definition of the codes; reading them backwards gives each
// address its pattern without going through any text.
template <class Pattern, class Decode> std::map<int, unsigned> patternsByAddress(Decode decode)
{
    std::map<int, unsigned> patterns;
    for (unsigned bits = 0; bits < (1u << Pattern::switchCount); ++bits) {
        if (const auto address = decode(Pattern::fromBits(bits)))
            patterns.emplace(*address, bits);
    }
    return patterns;
}

CodingTable lokTable()
{
    CodingTable table;
    table.switchCount = LokPattern::switchCount;
    table.leading.resize(1);
    const auto patterns = patternsByAddress<LokPattern>(decodeSwitchLok);
    for (int a = 1; a <= lokAddressCount; ++a) {
        // An address the decoder cannot be set to is left out rather than
        // shown with every switch OFF; the tests count the rows.
        const auto found = patterns.find(a);
        if (found != patterns.end())
            table.rows.push_back({{std::to_string(a)}, found->second, {}, false});
    }
    return table;
}

CodingTable deltaTable(const ResultWords &words)
{
    CodingTable table;
    table.switchCount = DeltaPattern::switchCount;
    table.leading.resize(1);
    // Ascending addresses, as the window's list has them.
    for (const auto &[address, bits] : patternsByAddress<DeltaPattern>(decodeSwitchLokDelta))
        table.rows.push_back({{std::to_string(address)}, bits, {}, false});
    // All switches OFF is no address but analog operation, which a decoder
    // is set to as often as to an address.
    table.rows.push_back({{addressTextLokDelta(std::nullopt, words)}, 0, {}, false});
    return table;
}

CodingTable maTable()
{
    CodingTable table;
    table.switchCount = MAPattern::switchCount;
    table.leading.resize(2);
    table.trailing.resize(2);
    const auto patterns = patternsByAddress<MAPattern>(decodeSwitchMA);
    for (int n = 1; n <= turnoutCount; ++n) {
        const auto found = patterns.find(n);
        if (found == patterns.end())
            continue;
        const int decoder = (n + turnoutsPerDecoder - 1) / turnoutsPerDecoder;
        table.rows.push_back(
            {{std::to_string(n), std::to_string(decoder)},
             found->second,
             {std::to_string(keyboardOfTurnout(n)), std::to_string(keyOfTurnout(n))},
             n > 1 && (n - 1) % turnoutsPerDecoder == 0});
    }
    return table;
}

std::string asString(std::string_view view)
{
    return std::string(view);
}

// A column under one heading in every form.
TableColumn column(std::string_view heading)
{
    return {asString(heading), asString(heading)};
}

// The title, notes and headings of a table of two columns, the address and
// its switches, with the same texts in every form.
template <class TableTexts> void nameAddressTable(CodingTable &table, const TableTexts &texts)
{
    table.title = asString(texts.title);
    table.note = asString(texts.note);
    table.shortNote = table.note;
    table.leading = {column(texts.columns[0])};
    table.switches = column(texts.columns[1]);
}

} // namespace

std::optional<Decoder> decoderFromTableName(std::string_view name)
{
    for (const auto kind : allDecoders) {
        const std::string wanted = tableName(kind);
        if (std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(),
                       [](char a, char b) { return lowerAscii(a) == b; }))
            return kind;
    }
    return std::nullopt;
}

std::string tableName(Decoder kind)
{
    switch (kind) {
    case Decoder::Lok:
        return "lok";
    case Decoder::Delta:
        return "delta";
    case Decoder::MA:
        return "weichen";
    }
    return {};
}

int keyboardOfTurnout(int turnout)
{
    return (turnout + turnoutsPerKeyboard - 1) / turnoutsPerKeyboard;
}

int keyOfTurnout(int turnout)
{
    return (turnout - 1) % turnoutsPerKeyboard + 1;
}

CodingTable tableRows(Decoder kind, const ResultWords &words)
{
    CodingTable table;
    switch (kind) {
    case Decoder::Lok:
        table = lokTable();
        break;
    case Decoder::Delta:
        table = deltaTable(words);
        break;
    case Decoder::MA:
        table = maTable();
        break;
    }
    table.kind = kind;
    table.noSwitchOn = asString(words.noSwitchOn);
    return table;
}

CodingTable codingTable(Decoder kind, const Texts &language)
{
    CodingTable table = tableRows(kind, resultWords(language));
    const auto &texts = language.library.tables;
    switch (kind) {
    case Decoder::Lok:
        nameAddressTable(table, texts.Digital);
        break;
    case Decoder::Delta:
        nameAddressTable(table, texts.Delta);
        break;
    case Decoder::MA: {
        // The text form has little room on an A4 page: a shorter note, and
        // short headings over the decoder address and the keyboard, which
        // its note explains.
        const auto &turnouts = texts.Weichen;
        const auto &shortTexts = language.tabelle.text.Weichen;
        table.title = asString(turnouts.title);
        table.note = asString(turnouts.note);
        table.shortNote = asString(shortTexts.note);
        table.leading = {column(turnouts.columns[0]),
                         {asString(shortTexts.decoderAddress), asString(turnouts.columns[1])}};
        table.switches = column(turnouts.columns[2]);
        table.trailing = {{asString(shortTexts.keyboard), asString(turnouts.columns[3])},
                          column(turnouts.columns[4])};
        break;
    }
    }
    return table;
}

std::string switchesOnText(unsigned onSwitches, int switchCount, const ResultWords &words)
{
    std::string text;
    for (int sw = 1; sw <= switchCount; ++sw) {
        if ((onSwitches >> (sw - 1)) & 1u) {
            if (!text.empty())
                text += ' ';
            text += std::to_string(sw);
        }
    }
    return text.empty() ? std::string(words.noSwitchOn) : text;
}

std::string switchesOnText(const CodingTable &table, const TableRow &row)
{
    return switchesOnText(row.onSwitches, table.switchCount, {{}, {}, table.noSwitchOn});
}

} // namespace velmarit
