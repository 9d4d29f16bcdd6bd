// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The ternary switch code that all three decoder kinds build on, and the text
// forms they share. Switch pair j is switch 2j+1 (odd) and switch 2j+2 (even);
// the pair carries trit 0 when the odd switch is ON, 1 when the even one is,
// 2 when both are OFF, and nothing at all when both are ON. Pair j weighs 3^j.
namespace velmarit::ternary {

inline constexpr int pairCount = 4;
inline constexpr int maxCodeValue = 80; // all four pairs at trit 2

// The code value carried by switches 1 to 8 (bit n-1 is switch n; higher bits
// are ignored), or nothing when a pair has both switches ON.
std::optional<int> codeValue(unsigned bits);

// The switches 1 to 8 that carry `codeValue` (0 to 80), as bits.
unsigned pairBits(int codeValue);

// The switch list of a pattern: every ON switch, ascending, each number
// preceded by exactly one blank (" 2 3 5 7", " 9 10"); no switch gives "".
std::string switchList(unsigned bits);

// Bit d is set when the digit character d occurs anywhere in the text.
unsigned digitsInText(std::string_view text);

// The display form of an address: at least two digits ("01", "17", "256").
std::string addressDigits(int address);

} // namespace velmarit::ternary
