// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Twips, the unit of the window's layout and of the saved window position:
// 1440 to the inch, 15 to a logical pixel at 96 dpi (Qt's scaling does the
// rest).
namespace velmarit {

inline constexpr int kTwipsPerPixel = 15;

// Nearest logical pixel. 15 is odd, so no whole number of twips lies halfway
// between two pixels. Works on the remainder, so no value can overflow.
constexpr int twipsToPixels(std::int32_t twips)
{
    const int half = kTwipsPerPixel / 2;
    const int rest = twips % kTwipsPerPixel;
    return twips / kTwipsPerPixel + (rest > half ? 1 : 0) - (rest < -half ? 1 : 0);
}

// Saturates at the 32-bit range that a position file can hold.
constexpr std::int32_t pixelsToTwips(int pixels)
{
    const std::int64_t twips = std::int64_t{pixels} * kTwipsPerPixel;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        twips, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace velmarit
