// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/resultwords.h"
#include "codes/switchpattern.h"

#include <optional>
#include <string>
#include <string_view>

// Accessory (turnout) decoders: ten switches. Switches 1 to 8 carry the
// decoder address a (1 to 64) in the ternary code; one decoder serves the four
// turnouts 4a-3 to 4a, and switch 9 (one below) and switch 10 (two below) pick
// one of them counting down from 4a.
namespace velmarit {

// A turnout address 1 to 256, or nothing for the invalid result.
using MAResult = std::optional<int>;

// The switches to set ON for turnout `n`: the switch list with 9 and 10 for
// 1 to 256, the invalid word above 256 and for -3 to 0, the empty text
// below -3.
std::string switchListMA(int n, const ResultWords &words = germanWords);

// Switch d (1 to 9) is ON when the digit d occurs anywhere in the text;
// "0" stands for switch 10.
MAPattern patternFromTextMA(std::string_view text);

MAResult decodeSwitchMA(MAPattern pattern);

// "01" to "256", or the invalid word ("ungültig").
std::string addressTextMA(MAResult result, const ResultWords &words = germanWords);

// Whether a decode result is shown in the highlight colours: the invalid
// result alone.
constexpr bool highlightedMA(MAResult result)
{
    return !result;
}

} // namespace velmarit
