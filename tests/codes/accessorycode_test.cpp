// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/accessorycode.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace velmarit;
using velmarit::testing::parseSwitchList;
using velmarit::testing::patternOf;

namespace {

constexpr AccessoryResult invalid = std::nullopt;

struct ListCase
{
    friend void PrintTo(const ListCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    int turnout;
    std::string_view list;
};

using SwitchListMA = ::testing::TestWithParam<ListCase>;

TEST_P(SwitchListMA, Encodes)
{
    EXPECT_EQ(switchListMA(GetParam().turnout), GetParam().list);
}

// The four turnouts of a decoder count down from 4a: switch 9 is one below,
// switch 10 two below.
INSTANTIATE_TEST_SUITE_P(
    Turnouts, SwitchListMA,
    ::testing::Values(ListCase{"T1", 1, " 2 3 5 7 9 10"}, ListCase{"T2", 2, " 2 3 5 7 10"},
                      ListCase{"T3", 3, " 2 3 5 7 9"}, ListCase{"T4", 4, " 2 3 5 7"},
                      ListCase{"T5", 5, " 3 5 7 9 10"}, ListCase{"T9", 9, " 1 4 5 7 9 10"},
                      ListCase{"T80", 80, " 3 7"}, ListCase{"T160", 160, " 2 4 6 8"},
                      ListCase{"T200", 200, " 4 8"}, ListCase{"T240", 240, " 1 5"},
                      ListCase{"T253", 253, " 2 3 6 9 10"}, ListCase{"T254", 254, " 2 3 6 10"},
                      ListCase{"T255", 255, " 2 3 6 9"}, ListCase{"T256", 256, " 2 3 6"}),
    velmarit::testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, SwitchListMA,
    ::testing::Values(ListCase{"T257", 257, "ungültig"}, ListCase{"T300", 300, "ungültig"},
                      ListCase{"Max16", 32767, "ungültig"}, ListCase{"MaxInt", INT_MAX, "ungültig"},
                      ListCase{"Zero", 0, "ungültig"}, ListCase{"Minus1", -1, "ungültig"},
                      ListCase{"Minus2", -2, "ungültig"}, ListCase{"Minus3", -3, "ungültig"},
                      ListCase{"Minus4", -4, ""}, ListCase{"Minus5", -5, ""},
                      ListCase{"Minus8", -8, ""}, ListCase{"Min16", -32768, ""},
                      ListCase{"MinInt", INT_MIN, ""}),
    velmarit::testing::RowName{});

using DecodeCase = velmarit::testing::DecodeCase<AccessoryPattern, AccessoryResult>;

using DecodeMA = ::testing::TestWithParam<DecodeCase>;

TEST_P(DecodeMA, Decodes)
{
    const AccessoryResult result = decodeSwitchMA(GetParam().pattern);
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(addressTextMA(result), GetParam().text);
}

DecodeCase row(const char *name, std::initializer_list<int> on, AccessoryResult result,
               std::string_view text)
{
    return {name, patternOf<AccessoryPattern>(on), result, text};
}

INSTANTIATE_TEST_SUITE_P(Valid, DecodeMA,
                         ::testing::Values(row("Lowest", {2, 3, 5, 7, 9, 10}, 1, "01"),
                                           row("LeadingZero", {2, 3, 5, 7}, 4, "04"),
                                           row("Highest", {2, 3, 6}, 256, "256"),
                                           row("S2467", {2, 4, 6, 7}, 52, "52"),
                                           row("S2467With9And10", {2, 4, 6, 7, 9, 10}, 49, "49"),
                                           row("Decoder64Minus3", {2, 3, 6, 9, 10}, 253, "253")),
                         velmarit::testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Invalid, DecodeMA,
    ::testing::Values(row("AllOff", {}, invalid, "ungültig"),
                      row("Only9And10", {9, 10}, invalid, "ungültig"),
                      row("Decoder0", {1, 3, 5, 7}, invalid, "ungültig"),
                      row("Decoder0With9", {1, 3, 5, 7, 9}, invalid, "ungültig"),
                      row("Decoder0With10", {1, 3, 5, 7, 10}, invalid, "ungültig"),
                      row("Decoder0With9And10", {1, 3, 5, 7, 9, 10}, invalid, "ungültig"),
                      row("Decoder65", {3, 6}, invalid, "ungültig"),
                      row("Pair12", {1, 2, 5, 7}, invalid, "ungültig"),
                      row("Pair34", {2, 3, 4, 5}, invalid, "ungültig"),
                      row("Pair56", {5, 6, 9}, invalid, "ungültig"),
                      row("Pair78", {2, 3, 5, 7, 8, 10}, invalid, "ungültig"),
                      row("AllTen", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, invalid, "ungültig")),
    velmarit::testing::RowName{});

struct TextCase
{
    friend void PrintTo(const TextCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    std::string_view text;
    AccessoryPattern pattern;
    std::string_view shown;
};

using DecodeMAText = ::testing::TestWithParam<TextCase>;

TEST_P(DecodeMAText, Decodes)
{
    const AccessoryPattern pattern = patternFromTextMA(GetParam().text);
    EXPECT_EQ(pattern.bits(), GetParam().pattern.bits());
    EXPECT_EQ(addressTextMA(decodeSwitchMA(pattern)), GetParam().shown);
}

TextCase textRow(const char *name, std::string_view text, std::initializer_list<int> on,
                 std::string_view shown)
{
    return {name, text, patternOf<AccessoryPattern>(on), shown};
}

// "0" stands for switch 10, so "10" names switches 1 and 10.
INSTANTIATE_TEST_SUITE_P(Texts, DecodeMAText,
                         ::testing::Values(textRow("Lowest", "235790", {2, 3, 5, 7, 9, 10}, "01"),
                                           textRow("LowestShuffled", "097352", {2, 3, 5, 7, 9, 10},
                                                   "01"),
                                           textRow("ZeroIsSwitch10", "0", {10}, "ungültig"),
                                           textRow("Empty", "", {}, "ungültig"),
                                           textRow("NoDigits", "abc ü", {}, "ungültig"),
                                           textRow("Pair12", "12", {1, 2}, "ungültig"),
                                           textRow("AmongLetters", "7a5b3c2", {2, 3, 5, 7}, "04"),
                                           textRow("TenIsOneAndTen", "10", {1, 10}, "ungültig"),
                                           textRow("Repeated", "2233666", {2, 3, 6}, "256"),
                                           textRow("AllDigits", "9876543210",
                                                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "ungültig")),
                         velmarit::testing::RowName{});

TEST(MARoundTrip, EveryTurnoutDecodesBack)
{
    for (int n = 1; n <= 256; ++n) {
        const std::string list = switchListMA(n);
        const auto switches = parseSwitchList(list);
        ASSERT_TRUE(switches) << n << ": \"" << list << '"';
        const AccessoryResult result = decodeSwitchMA(patternOf<AccessoryPattern>(*switches));
        EXPECT_EQ(result, n) << list;
        EXPECT_EQ(addressTextMA(result), (n < 10 ? "0" : "") + std::to_string(n));
    }
}

// Decoding written straight from the rule: the four pairs give the decoder
// address a (a doubled pair spoils it), a must be 1 to 64, and the turnout is
// 4a less one for switch 9 and less two for switch 10.
AccessoryResult referenceDecode(AccessoryPattern p)
{
    int a = 0;
    for (int j = 0, weight = 1; j < 4; ++j, weight *= 3) {
        const bool odd = p.isOn(2 * j + 1);
        const bool even = p.isOn(2 * j + 2);
        if (odd && even)
            return invalid;
        a += (odd ? 0 : even ? 1 : 2) * weight;
    }
    if (a < 1 || a > 64)
        return invalid;
    return 4 * a - (p.isOn(9) ? 1 : 0) - (p.isOn(10) ? 2 : 0);
}

TEST(MAAllPatterns, AgreeWithReference)
{
    int valid = 0;
    for (unsigned bits = 0; bits < 1024; ++bits) {
        const auto p = AccessoryPattern::fromBits(bits);
        const AccessoryResult result = decodeSwitchMA(p);
        ASSERT_EQ(result, referenceDecode(p)) << "bits " << bits;
        valid += result.has_value();
    }
    EXPECT_EQ(valid, 256); // each turnout has exactly one pattern
}

} // namespace
