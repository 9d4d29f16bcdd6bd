// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/deltacode.h"

#include "codes/ternarycode.h"

namespace velmarit {

namespace {
constexpr std::array<int, 4> deltaSwitchWeight{2, 6, 18, 54};
}

std::string deltaRowText(const DeltaRow &row)
{
    std::string text(row.addressText);
    text += '\t';
    text += row.switchText;
    return text;
}

DeltaPattern patternFromTextLokDelta(std::string_view text)
{
    return DeltaPattern::fromBits(ternary::digitsInText(text) >> 1);
}

DeltaResult decodeSwitchLokDelta(DeltaPattern pattern)
{
    if (pattern.none())
        return std::nullopt;
    int value = ternary::maxCodeValue;
    for (int sw = 1; sw <= DeltaPattern::switchCount; ++sw) {
        if (pattern.isOn(sw))
            value -= deltaSwitchWeight[sw - 1];
    }
    return value == 0 ? ternary::maxCodeValue : value;
}

std::string addressTextLokDelta(DeltaResult result, const ResultWords &words)
{
    return result ? ternary::addressDigits(*result) : std::string(words.analog);
}

} // namespace velmarit
