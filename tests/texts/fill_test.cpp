// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts/fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmarit;

namespace {

struct FillCase
{
    const char *name;
    std::string text;
    std::vector<TextValue> values;
    std::string filled;
};

void PrintTo(const FillCase &c, std::ostream *os)
{
    *os << c.name;
}

using Fill = ::testing::TestWithParam<FillCase>;

TEST_P(Fill, PutsEachValueInItsPlaceholder)
{
    EXPECT_EQ(fill(GetParam().text, GetParam().values), GetParam().filled);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Fill,
    ::testing::Values(
        // One name starts another: {page} must not take {pages}' place.
        FillCase{"NamesSharingTheirStart",
                 "Seite {page} von {pages}",
                 {{"pages", "11"}, {"page", "3"}},
                 "Seite 3 von 11"},
        // A path may hold braces; what a value brings is never filled.
        FillCase{"ValueWithAPlaceholder",
                 "„{path}“ ({reason})",
                 {{"path", "/tmp/{reason}"}, {"reason", "voll"}},
                 "„/tmp/{reason}“ (voll)"},
        FillCase{"PlaceholderWithoutValue", "{title} (suite)", {{"page", "2"}}, "{title} (suite)"},
        FillCase{"BracesThatAreNoPlaceholder", "{ {} {n {n}", {{"n", "7"}}, "{ {} {n 7"},
        FillCase{"SameTwice", "{n}-{n}", {{"n", "1"}}, "1-1"},
        FillCase{"EmptyValue", "programmed by {author}", {{"author", ""}}, "programmed by "},
        FillCase{"AroundUtf8",
                 "«\u00a0{path}\u00a0» n'existe pas",
                 {{"path", "Jürgen"}},
                 "«\u00a0Jürgen\u00a0» n'existe pas"},
        FillCase{"AtTheEnds", "{a}{b}", {{"a", "x"}, {"b", "y"}}, "xy"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
