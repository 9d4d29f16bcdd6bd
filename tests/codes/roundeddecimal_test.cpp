// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the two readers built on readRoundedDecimal rely on: where the number
// ends, whether it had a digit, and that no text can overflow it. The
// rounding itself is checked through each reader's own tests.

#include "codes/roundeddecimal.h"

#include <gtest/gtest.h>

#include <string>

using velmarit::kRoundedDecimalCap;
using velmarit::readRoundedDecimal;

namespace {

struct DecimalCase
{
    friend void PrintTo(const DecimalCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    std::string text;
    std::string_view ignored;
    std::int64_t value;
    std::size_t end;
    bool hasDigits;
};

using RoundedDecimal = ::testing::TestWithParam<DecimalCase>;

TEST_P(RoundedDecimal, Reads)
{
    const DecimalCase &row = GetParam();
    const auto number = readRoundedDecimal(row.text, row.ignored);
    EXPECT_EQ(number.value, row.value);
    EXPECT_EQ(number.end, row.end);
    EXPECT_EQ(number.hasDigits, row.hasDigits);
}

const std::string sixtyNines(60, '9');

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundedDecimal,
    ::testing::Values(DecimalCase{"Empty", "", "", 0, 0, false},
                      DecimalCase{"SignAlone", "-", "", 0, 1, false},
                      DecimalCase{"PointAlone", ".", "", 0, 1, false},
                      DecimalCase{"FractionAlone", ".5", "", 0, 2, true},
                      DecimalCase{"PointWithoutFraction", "7.", "", 7, 2, true},
                      DecimalCase{"StopsAtLetter", "12ab", "", 12, 2, true},
                      DecimalCase{"ExponentIsALetter", "1e5", "", 1, 1, true},
                      DecimalCase{"SecondPoint", "1.5.5", "", 2, 3, true},
                      DecimalCase{"NegativeHalfToEven", "-3.5", "", -4, 4, true},
                      DecimalCase{"BlankEndsPlainNumber", "1 2", "", 1, 1, true},
                      DecimalCase{"BlankAfterSignEnds", "- 7", "", 0, 1, false},
                      DecimalCase{"IgnoredBetweenDigits", "1 2", " ", 12, 3, true},
                      DecimalCase{"IgnoredEverywhere", " -\t7 .\n5", " \t\n", -8, 8, true},
                      DecimalCase{"IgnoredAtEndIsRead", "7  ", " ", 7, 3, true},
                      DecimalCase{"HugeHeldAtCap", sixtyNines, "", kRoundedDecimalCap, 60, true},
                      DecimalCase{"HugeNegativeHeldAtCap", "-" + sixtyNines + ".9", "",
                                  -kRoundedDecimalCap, 63, true}));

} // namespace
