// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmarit {

// A number read from the start of a text and rounded to a whole number.
struct RoundedDecimal
{
    // Rounded to the nearest integer, an exact half going to the even
    // neighbour. Held at kRoundedDecimalCap in magnitude, far beyond any
    // caller's range, so that a text of any length gives a value that is
    // simply out of range.
    std::int64_t value = 0;
    // The first character that is not part of the number.
    std::size_t end = 0;
    // Whether any digit was read, before or after the point.
    bool hasDigits = false;
};

inline constexpr std::int64_t kRoundedDecimalCap = std::int64_t{1} << 40;

// Reads an optional sign, digits and an optional "." with a fraction from the
// start of `text`, up to the first character that cannot continue the number.
// The characters in `ignored` are passed over wherever they stand, before the
// sign as well as between digits. Only the first fraction digit, and whether
// any later one is non-zero, can change the rounding. Each caller checks what
// may stand around the number and its own range.
//
// Defined in the header so that each caller's build (the fuzzers' included)
// instruments it along with the caller.
constexpr RoundedDecimal readRoundedDecimal(std::string_view text, std::string_view ignored = {})
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isIgnored = [&](char c) { return ignored.find(c) != std::string_view::npos; };
    std::size_t i = 0;
    const auto skip = [&] {
        while (i < text.size() && isIgnored(text[i]))
            ++i;
    };

    RoundedDecimal result;
    skip();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (isIgnored(text[i]))
            continue;
        if (!isDigit(text[i]))
            break;
        magnitude = std::min(kRoundedDecimalCap, magnitude * 10 + (text[i] - '0'));
        result.hasDigits = true;
    }

    if (i < text.size() && text[i] == '.') {
        ++i;
        int first = -1;
        bool restNonZero = false;
        for (; i < text.size(); ++i) {
            if (isIgnored(text[i]))
                continue;
            if (!isDigit(text[i]))
                break;
            if (first < 0)
                first = text[i] - '0';
            else if (text[i] != '0')
                restNonZero = true;
            result.hasDigits = true;
        }
        // Rounding the magnitude half to even is symmetric, so the sign can
        // come last.
        if (first > 5 || (first == 5 && (restNonZero || magnitude % 2 != 0)))
            magnitude = std::min(kRoundedDecimalCap, magnitude + 1);
    }

    result.value = negative ? -magnitude : magnitude;
    result.end = i;
    return result;
}

} // namespace velmarit
