// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/switchpattern.h"
#include "codes/ternarycode.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace velmarit;

namespace {

// Out-of-range switch numbers (a caller's off-by-one, such as index 0 of a
// check-box array) must never reach a neighbouring switch.
TEST(SwitchPattern, OutOfRangeSwitchesAreIgnored)
{
    LokPattern p;
    p.set(0);
    p.set(9);
    p.set(-1);
    p.set(100);
    EXPECT_TRUE(p.none());
    EXPECT_FALSE(LokPattern::fromBits(0xFFFFu).isOn(0));
    EXPECT_FALSE(LokPattern::fromBits(0xFFFFu).isOn(9));
    EXPECT_EQ(LokPattern::fromBits(0xFFFFu).bits(), 0xFFu);
    EXPECT_EQ(MAPattern::fromBits(0xFFFFFFFFu).bits(), 0x3FFu);
}

TEST(SwitchPattern, SetAndClearTouchOnlyTheirSwitch)
{
    auto p = MAPattern::fromBits(0x3FFu);
    p.set(10, false);
    p.set(1, false);
    EXPECT_EQ(p.bits(), 0x1FEu);
    p.set(10);
    EXPECT_TRUE(p.isOn(10));
    EXPECT_FALSE(p.isOn(1));
    EXPECT_TRUE(p.isOn(9));
}

struct ListCase
{
    friend void PrintTo(const ListCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    unsigned bits;
    std::string_view list;
};

using SwitchListOfBits = ::testing::TestWithParam<ListCase>;

TEST_P(SwitchListOfBits, Lists)
{
    EXPECT_EQ(ternary::switchList(GetParam().bits), GetParam().list);
}

// Includes the top bit of the word: the list must end after switch 32
// instead of shifting past the word's width.
INSTANTIATE_TEST_SUITE_P(Bits, SwitchListOfBits,
                         ::testing::Values(ListCase{"None", 0u, ""}, ListCase{"First", 1u, " 1"},
                                           ListCase{"NineAndTen", 0x300u, " 9 10"},
                                           ListCase{"Top", 0x80000000u, " 32"},
                                           ListCase{"FirstAndTop", 0x80000001u, " 1 32"}),
                         velmarit::testing::RowName{});

} // namespace
