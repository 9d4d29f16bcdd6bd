// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/macode.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

using namespace velmarit;
using velmarit::testing::parseSwitchList;
using velmarit::testing::patternOf;

namespace {

constexpr MAResult invalid = std::nullopt;

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

using DecodeCase = velmarit::testing::DecodeCase<MAPattern, MAResult>;

using DecodeMA = ::testing::TestWithParam<DecodeCase>;

TEST_P(DecodeMA, Decodes)
{
    const MAResult result = decodeSwitchMA(GetParam().pattern);
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(addressTextMA(result), GetParam().text);
}

DecodeCase row(const char *name, std::initializer_list<int> on, MAResult result,
               std::string_view text)
{
    return {name, patternOf<MAPattern>(on), result, text};
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
    MAPattern pattern;
    std::string_view shown;
};

using DecodeMAText = ::testing::TestWithParam<TextCase>;

TEST_P(DecodeMAText, Decodes)
{
    const MAPattern pattern = patternFromTextMA(GetParam().text);
    EXPECT_EQ(pattern.bits(), GetParam().pattern.bits());
    EXPECT_EQ(addressTextMA(decodeSwitchMA(pattern)), GetParam().shown);
}

TextCase textRow(const char *name, std::string_view text, std::initializer_list<int> on,
                 std::string_view shown)
{
    return {name, text, patternOf<MAPattern>(on), shown};
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
        const MAResult result = decodeSwitchMA(patternOf<MAPattern>(*switches));
        EXPECT_EQ(result, n) << list;
        EXPECT_EQ(addressTextMA(result), (n < 10 ? "0" : "") + std::to_string(n));
    }
}

// Every one of the 1024 patterns against a count of the turnouts: the pair
// settings in counting order are decoder addresses 0, 1, 2 and so on, and
// each decoder address 1 to 64 serves the next four turnouts, taken with
// switches 9 and 10 both ON, 10 alone, 9 alone and neither. Decoder address
// 0 and those above 64 serve none, and a pair with both switches ON spoils
// the pattern.
TEST(MAAllPatterns, FollowTheTurnoutCount)
{
    const std::vector<unsigned> settings = velmarit::testing::pairSettingsInCountingOrder();
    ASSERT_EQ(settings.size(), 81u);
    constexpr unsigned switch9 = 1u << 8;
    constexpr unsigned switch10 = 1u << 9;
    std::map<unsigned, int> turnoutOf;
    int turnout = 0;
    for (std::size_t decoder = 1; decoder <= 64; ++decoder)
        for (const unsigned pick : {switch9 | switch10, switch10, switch9, 0u})
            turnoutOf[settings[decoder] | pick] = ++turnout;
    ASSERT_EQ(turnout, 256);
    int valid = 0;
    for (unsigned bits = 0; bits < 1024; ++bits) {
        const auto found = turnoutOf.find(bits);
        const MAResult result = decodeSwitchMA(MAPattern::fromBits(bits));
        ASSERT_EQ(result, found == turnoutOf.end() ? invalid : MAResult(found->second))
            << "bits " << bits;
        valid += result.has_value();
    }
    EXPECT_EQ(valid, 256);
}

} // namespace
