// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/switchpattern.h"
#include "codes/ternarycode.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace velmarit;

namespace {

// Out-of-range switch numbers (a caller's off-by-one, such as index 0 of a
// check-box array) must never read a neighbouring switch, and bits above the
// last switch never become switches.
TEST(SwitchPattern, OutOfRangeSwitchesAreOff)
{
    for (const int sw : {0, -1, 9, 100})
        EXPECT_FALSE(LokPattern::fromBits(0xFFFFu).isOn(sw)) << sw;
    EXPECT_EQ(LokPattern::fromBits(0xFFFFu).bits(), 0xFFu);
    EXPECT_EQ(MAPattern::fromBits(0xFFFFFFFFu).bits(), 0x3FFu);
    EXPECT_TRUE(LokPattern::fromBits(0xFF00u).none());
}

// Bit n-1 is switch n, and no other: each switch alone ON, and each alone
// OFF, on the widest decoder.
TEST(SwitchPattern, EachSwitchIsItsOwnBit)
{
    for (int sw = 1; sw <= MAPattern::switchCount; ++sw) {
        const auto alone = MAPattern::fromBits(1u << (sw - 1));
        const auto allBut = MAPattern::fromBits(0x3FFu & ~(1u << (sw - 1)));
        for (int other = 1; other <= MAPattern::switchCount; ++other) {
            EXPECT_EQ(alone.isOn(other), other == sw) << sw << " alone, switch " << other;
            EXPECT_EQ(allBut.isOn(other), other != sw) << "all but " << sw << ", switch " << other;
        }
    }
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
