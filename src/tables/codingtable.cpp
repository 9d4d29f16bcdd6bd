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
    table.title = "Digital-Decoder (Lok): Adressen 1 bis 80";
    table.shortNote = "Die genannten Schalter auf ON stellen, alle anderen auf OFF.";
    table.note = table.shortNote;
    table.switchCount = LokPattern::switchCount;
    table.leading = {{"Adresse", "Adresse"}};
    table.switches = {"Schalter ON", "Schalter ON"};
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
    table.title = "Delta-Decoder: die 15 Adressen";
    table.shortNote = "Alle vier Schalter auf OFF: analoger Betrieb.";
    table.note = table.shortNote;
    table.switchCount = DeltaPattern::switchCount;
    table.leading = {{"Adresse", "Adresse"}};
    table.switches = {"Schalter ON", "Schalter ON"};
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
    table.title = "Weichen-Decoder: Weichenadressen 1 bis 256";
    table.shortNote =
        "Dec: Decoder-Adresse (Schalter 1-8), Kbd: Keyboard, Taste: Taste am Keyboard";
    table.note = "Schalter 1 bis 8 stellen die Decoder-Adresse ein, Schalter 9 und 10 wählen eine "
                 "der vier Weichen dieses Decoders.";
    table.switchCount = MAPattern::switchCount;
    table.leading = {{"Weiche", "Weiche"}, {"Dec", "Decoder-Adresse"}};
    table.switches = {"Schalter ON", "Schalter ON"};
    table.trailing = {{"Kbd", "Keyboard"}, {"Taste", "Taste"}};
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

CodingTable codingTable(Decoder kind, const ResultWords &words)
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

} // namespace velmarit
