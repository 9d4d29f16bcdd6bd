// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace velmarit::testing {

// A slow, independent reading of an address text, trustworthy for short texts
// only (up to about fifteen digits): drop the blanks, take the longest prefix
// shaped like a decimal number, let strtod convert it and round in the
// default to-nearest-even mode.
inline std::int16_t referenceNumber(std::string_view text)
{
    std::string squeezed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;
    }
    const auto isDigitAt = [&](std::size_t i) {
        return i < squeezed.size() && squeezed[i] >= '0' && squeezed[i] <= '9';
    };
    std::size_t i = 0;
    if (i < squeezed.size() && (squeezed[i] == '+' || squeezed[i] == '-'))
        ++i;
    bool anyDigit = false;
    for (; isDigitAt(i); ++i)
        anyDigit = true;
    if (i < squeezed.size() && squeezed[i] == '.') {
        for (++i; isDigitAt(i); ++i)
            anyDigit = true;
    }
    if (!anyDigit)
        return 0;
    const double value = std::nearbyint(std::strtod(squeezed.substr(0, i).c_str(), nullptr));
    return static_cast<std::int16_t>(std::clamp(value, -32768.0, 32767.0));
}

} // namespace velmarit::testing
