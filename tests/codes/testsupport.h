// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/switchpattern.h"

#include <charconv>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Helpers for the tests: build patterns from switch numbers, and read a switch
// list text back strictly, so that a round trip also checks its exact form.
namespace velmarit::testing {

// Switch numbers outside the pattern are left out.
template <class Pattern> Pattern patternOf(const std::vector<int> &switches)
{
    unsigned bits = 0;
    for (const int sw : switches)
        if (sw >= 1 && sw <= Pattern::switchCount)
            bits |= 1u << (sw - 1);
    return Pattern::fromBits(bits);
}

// The switch numbers of a list such as " 2 3 5 7 9 10", or nothing when the
// text is not exactly one blank before each number, in ascending order.
inline std::optional<std::vector<int>> parseSwitchList(std::string_view text)
{
    std::vector<int> switches;
    while (!text.empty()) {
        if (text.size() < 2 || text[0] != ' ' || text[1] < '1' || text[1] > '9')
            return std::nullopt;
        text.remove_prefix(1);
        int sw = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), sw);
        if (ec != std::errc{} || (!switches.empty() && sw <= switches.back()))
            return std::nullopt;
        switches.push_back(sw);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    return switches;
}

// A row of a decode table: the switches ON, the result and the label text.
template <class Pattern, class Result> struct DecodeCase
{
    friend void PrintTo(const DecodeCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    Pattern pattern;
    Result result;
    std::string_view text;
};

// The settings of the four switch pairs (switches 1 to 8) in counting order,
// as a ternary counter steps through them, pair 1-2 the lowest digit: each
// pair goes "odd switch ON", "even switch ON", "both OFF" and then carries
// into the next. Entry n is the setting that counts as n, given as the bits
// of switches 1 to 8 (bit k-1 is switch k). No arithmetic on weights: the
// order of the count alone gives each setting its value. A setting with a
// pair whose switches are both ON is not among them.
inline std::vector<unsigned> pairSettingsInCountingOrder()
{
    constexpr int pairs = 4;
    int digit[pairs] = {0, 0, 0, 0};
    std::vector<unsigned> settings;
    for (;;) {
        unsigned bits = 0;
        for (int j = 0; j < pairs; ++j) {
            if (digit[j] == 0)
                bits |= 1u << (2 * j); // the odd switch, 2j+1
            else if (digit[j] == 1)
                bits |= 1u << (2 * j + 1); // the even switch, 2j+2
        }
        settings.push_back(bits);
        int j = 0;
        while (j < pairs && ++digit[j] == 3)
            digit[j++] = 0;
        if (j == pairs)
            return settings;
    }
}

// Names for TEST_P rows: every row type carries a `name`.
struct RowName
{
    template <class Info> std::string operator()(const Info &info) const { return info.param.name; }
};

} // namespace velmarit::testing
