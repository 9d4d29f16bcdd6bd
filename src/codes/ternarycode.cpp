// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/ternarycode.h"

namespace velmarit::ternary {

std::optional<int> codeValue(unsigned bits)
{
    int value = 0;
    int weight = 1;
    for (int pair = 0; pair < pairCount; ++pair, weight *= 3) {
        const bool odd = (bits >> (2 * pair)) & 1u;
        const bool even = (bits >> (2 * pair + 1)) & 1u;
        if (odd && even)
            return std::nullopt;
        const int trit = odd ? 0 : even ? 1 : 2;
        value += trit * weight;
    }
    return value;
}

unsigned pairBits(int codeValue)
{
    unsigned bits = 0;
    for (int pair = 0; pair < pairCount; ++pair, codeValue /= 3) {
        switch (codeValue % 3) {
        case 0:
            bits |= 1u << (2 * pair);
            break;
        case 1:
            bits |= 1u << (2 * pair + 1);
            break;
        default:
            break;
        }
    }
    return bits;
}

std::string switchList(unsigned bits)
{
    std::string text;
    // Shift the pattern rather than the switch number: shifting by the full
    // width of `unsigned` would be undefined once the top bit is set.
    for (int sw = 1; bits != 0; ++sw, bits >>= 1) {
        if (bits & 1u) {
            text += ' ';
            text += std::to_string(sw);
        }
    }
    return text;
}

unsigned digitsInText(std::string_view text)
{
    unsigned found = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            found |= 1u << (c - '0');
    }
    return found;
}

std::string addressDigits(int address)
{
    std::string text = std::to_string(address);
    if (text.size() < 2)
        text.insert(0, 1, '0');
    return text;
}

} // namespace velmarit::ternary
