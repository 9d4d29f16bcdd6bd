// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/lokcode.h"

#include "codes/ternarycode.h"

namespace velmarit {

namespace {
constexpr int address80 = 80;
}

std::string switchListLok(std::int16_t a, const ResultWords &words)
{
    if (a == 0)
        return std::string(words.invalid);
    if (a >= 1 && a <= 79)
        return ternary::switchList(ternary::pairBits(a));
    if (a == address80)
        return "1 3 5 7";
    return {};
}

LokPattern patternFromTextLok(std::string_view text)
{
    return LokPattern::fromBits(ternary::digitsInText(text) >> 1);
}

LokResult decodeSwitchLok(LokPattern pattern)
{
    const auto value = ternary::codeValue(pattern.bits());
    if (!value || *value == ternary::maxCodeValue)
        return std::nullopt;
    return *value == 0 ? address80 : *value;
}

std::string addressTextLok(LokResult result, const ResultWords &words)
{
    return result ? ternary::addressDigits(*result) : std::string(words.invalid);
}

} // namespace velmarit
