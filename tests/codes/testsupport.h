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

template <class Pattern> Pattern patternOf(const std::vector<int> &switches)
{
    Pattern p;
    for (const int sw : switches)
        p.set(sw);
    return p;
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

// Names for TEST_P rows: every row type carries a `name`.
struct RowName
{
    template <class Info> std::string operator()(const Info &info) const { return info.param.name; }
};

} // namespace velmarit::testing
