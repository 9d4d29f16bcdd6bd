// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A property that must hold for every input; a violation ends the run with
// the failed condition on stderr, and libFuzzer keeps the input.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

inline std::string_view textOf(const unsigned char *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

inline bool containsChar(std::string_view text, char c)
{
    return text.find(c) != std::string_view::npos;
}

// The display form of an address: at least two digits.
inline std::string twoDigits(int address)
{
    return (address >= 0 && address < 10 ? "0" : "") + std::to_string(address);
}
