// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/macode.h"

#include "codes/ternarycode.h"

namespace velmarit {

namespace {

constexpr int maxTurnout = 256;
constexpr int maxDecoderAddress = 64;
constexpr unsigned switch9 = 1u << 8;
constexpr unsigned switch10 = 1u << 9;

// floor((n + 3) / 4) without overflow near INT_MIN and with the floor (not
// truncation) that negative addresses need: -3..0 give 0, -7..-4 give -1.
int decoderAddressOf(int n)
{
    const long long shifted = static_cast<long long>(n) + 3;
    return static_cast<int>(shifted >= 0 ? shifted / 4 : -((-shifted + 3) / 4));
}

} // namespace

std::string switchListMA(int n, const ResultWords &words)
{
    if (n > maxTurnout)
        return std::string(words.invalid);
    const int a = decoderAddressOf(n);
    if (a == 0)
        return std::string(words.invalid);
    if (a < 0)
        return {};

    unsigned bits = ternary::pairBits(a);
    const int below = 4 * a - n; // 0 to 3
    if (below & 1)
        bits |= switch9;
    if (below & 2)
        bits |= switch10;
    return ternary::switchList(bits);
}

MAPattern patternFromTextMA(std::string_view text)
{
    const unsigned digits = ternary::digitsInText(text);
    unsigned bits = (digits >> 1) & 0x1FFu; // "1" to "9"
    if (digits & 1u)                        // "0"
        bits |= switch10;
    return MAPattern::fromBits(bits);
}

MAResult decodeSwitchMA(MAPattern pattern)
{
    const auto a = ternary::codeValue(pattern.bits());
    if (!a || *a > maxDecoderAddress)
        return std::nullopt;
    int n = 4 * *a;
    if (pattern.bits() & switch9)
        n -= 1;
    if (pattern.bits() & switch10)
        n -= 2;
    if (n < 1)
        return std::nullopt;
    return n;
}

std::string addressTextMA(MAResult result, const ResultWords &words)
{
    return result ? ternary::addressDigits(*result) : std::string(words.invalid);
}

} // namespace velmarit
