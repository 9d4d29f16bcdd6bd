// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/resultwords.h"
#include "codes/switchpattern.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Delta decoders: four switches and a fixed set of fifteen addresses. Delta
// switch k stands in for locomotive pair k-1 with trit 0 (ON) or 2 (OFF), so
// its weight is twice that pair's; all four OFF is analog operation.
namespace velmarit {

// A Delta address (2 to 80), or nothing for analog mode. There is no invalid
// Delta pattern.
using DeltaResult = std::optional<int>;

// One row of the address table as the list shows it: the address padded to
// two characters with a blank, and the ON switches separated by blanks.
struct DeltaRow
{
    std::string_view addressText;
    std::string_view switchText;
};

// Kept as literal data rather than computed, so the list shows exactly what
// the operators' printed tables show.
inline constexpr std::array<DeltaRow, 15> deltaAddressTable{{
    {" 2", "2 3 4"},
    {" 6", "1 3 4"},
    {" 8", "3 4"},
    {"18", "1 2 4"},
    {"20", "2 4"},
    {"24", "1 4"},
    {"26", "4"},
    {"54", "1 2 3"},
    {"56", "2 3"},
    {"60", "1 3"},
    {"62", "3"},
    {"72", "1 2"},
    {"74", "2"},
    {"78", "1"},
    {"80", "1 2 3 4"},
}};

// The list item of a row: address text, one tab, switch text.
std::string deltaRowText(const DeltaRow &row);

// Switch k (1 to 4) is ON when the digit k occurs anywhere in the text.
DeltaPattern patternFromTextLokDelta(std::string_view text);

DeltaResult decodeSwitchLokDelta(DeltaPattern pattern);

// "02" to "80", or the analog word ("analog").
std::string addressTextLokDelta(DeltaResult result, const ResultWords &words = germanWords);

// Whether a decode result is shown in the highlight colours: never, as every
// Delta pattern has an answer (address 80 included, unlike a locomotive's).
constexpr bool highlightedLokDelta(DeltaResult /*result*/)
{
    return false;
}

} // namespace velmarit
