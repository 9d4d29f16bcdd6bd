// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/resultwords.h"
#include "codes/switchpattern.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Locomotive decoders: eight switches, addresses 1 to 80. Address 80 is code
// value 0 (switches 1, 3, 5, 7 ON); code value 80 (all OFF) is no address.
namespace velmarit {

// An address 1 to 80, or nothing for the invalid result. The panel shows 80
// like the invalid result, so callers need both kept apart from the rest.
using LokResult = std::optional<int>;

// The switches to set ON for address `a`: the switch list for 1 to 79,
// "1 3 5 7" for 80 (without the leading blank of the other lists: tables
// and users read it in exactly that form), the invalid word for 0 and the
// empty text for anything else.
std::string switchListLok(std::int16_t a, const ResultWords &words = germanWords);

// Switch n (1 to 8) is ON when the digit n occurs anywhere in the text.
LokPattern patternFromTextLok(std::string_view text);

LokResult decodeSwitchLok(LokPattern pattern);

// "01" to "79", "80", or the invalid word ("ungültig").
std::string addressTextLok(LokResult result, const ResultWords &words = germanWords);

// Whether a decode result is shown in the highlight colours: the invalid
// result, and address 80, so that its switches (1, 3, 5 and 7, a pattern
// like no other address's) are not taken for an ordinary address.
constexpr bool highlightedLok(LokResult result)
{
    return !result || *result == 80;
}

} // namespace velmarit
