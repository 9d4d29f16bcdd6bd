// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/numberfromtext.h"

#include <limits>

namespace velmarit {

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Anything beyond this is saturated anyway; capping the magnitude while
// reading keeps a million-digit text from overflowing.
constexpr std::int32_t magnitudeCap = 100000;

} // namespace

std::int16_t numberFromText(std::string_view text)
{
    std::size_t i = 0;
    const auto skip = [&] {
        while (i < text.size() && isSkipped(text[i]))
            ++i;
    };

    skip();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
        skip();
    }

    std::int32_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (isSkipped(text[i]))
            continue;
        if (!isDigit(text[i]))
            break;
        if (magnitude < magnitudeCap)
            magnitude = magnitude * 10 + (text[i] - '0');
    }

    // The fraction only matters for rounding: its first digit decides unless
    // it is a 5, when any later non-zero digit means "above the half".
    enum class Fraction { Zero, BelowHalf, Half, AboveHalf } fraction = Fraction::Zero;
    if (i < text.size() && text[i] == '.') {
        ++i;
        bool first = true;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (isSkipped(c))
                continue;
            if (!isDigit(c))
                break;
            if (first) {
                fraction = c == '5'  ? Fraction::Half
                           : c > '5' ? Fraction::AboveHalf
                           : c > '0' ? Fraction::BelowHalf
                                     : Fraction::Zero;
                first = false;
            } else if (c != '0' && (fraction == Fraction::Half || fraction == Fraction::Zero)) {
                fraction = fraction == Fraction::Half ? Fraction::AboveHalf : Fraction::BelowHalf;
            }
        }
    }

    if (fraction == Fraction::AboveHalf || (fraction == Fraction::Half && magnitude % 2 != 0))
        ++magnitude;

    // Rounding the magnitude half-to-even is symmetric, so the sign can come last.
    const std::int32_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (value < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(value);
}

} // namespace velmarit
