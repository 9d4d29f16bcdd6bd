// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/lokcode.h"
#include "codes/numberfromtext.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <map>

using namespace velmarit;
using velmarit::testing::parseSwitchList;
using velmarit::testing::patternOf;

namespace {

constexpr LokResult invalid = std::nullopt;

struct ListCase
{
    friend void PrintTo(const ListCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    int address;
    std::string_view list;
};

using SwitchListLok = ::testing::TestWithParam<ListCase>;

TEST_P(SwitchListLok, Encodes)
{
    EXPECT_EQ(switchListLok(static_cast<std::int16_t>(GetParam().address)), GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, SwitchListLok,
    ::testing::Values(ListCase{"A0", 0, "ungültig"}, ListCase{"A1", 1, " 2 3 5 7"},
                      ListCase{"A2", 2, " 3 5 7"}, ListCase{"A3", 3, " 1 4 5 7"},
                      ListCase{"A4", 4, " 2 4 5 7"}, ListCase{"A13", 13, " 2 4 6 7"},
                      ListCase{"A26", 26, " 7"}, ListCase{"A27", 27, " 1 3 5 8"},
                      ListCase{"A40", 40, " 2 4 6 8"}, ListCase{"A53", 53, " 8"},
                      ListCase{"A54", 54, " 1 3 5"}, ListCase{"A78", 78, " 1"},
                      ListCase{"A79", 79, " 2"}, ListCase{"A80NoLeadingBlank", 80, "1 3 5 7"},
                      ListCase{"Minus1", -1, ""}, ListCase{"Minus5", -5, ""},
                      ListCase{"A81", 81, ""}, ListCase{"A99", 99, ""},
                      ListCase{"Min16", -32768, ""}, ListCase{"Max16", 32767, ""}),
    velmarit::testing::RowName{});

// A typed text and what its label shows.
struct TextListCase
{
    friend void PrintTo(const TextListCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    std::string_view text;
    std::string_view list;
};

using DecodeCase = velmarit::testing::DecodeCase<LokPattern, LokResult>;

using DecodeLok = ::testing::TestWithParam<DecodeCase>;

TEST_P(DecodeLok, Decodes)
{
    const LokResult result = decodeSwitchLok(GetParam().pattern);
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(addressTextLok(result), GetParam().text);
}

DecodeCase row(const char *name, std::initializer_list<int> on, LokResult result,
               std::string_view text)
{
    return {name, patternOf<LokPattern>(on), result, text};
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, DecodeLok,
    ::testing::Values(row("AllOffIsNot80", {}, invalid, "ungültig"),
                      row("Odd1357Is80", {1, 3, 5, 7}, 80, "80"),
                      row("LeadingZero", {2, 3, 5, 7}, 1, "01"), row("S1", {1}, 78, "78"),
                      row("S2", {2}, 79, "79"), row("S7", {7}, 26, "26"), row("S8", {8}, 53, "53"),
                      row("S135", {1, 3, 5}, 54, "54"), row("S2468", {2, 4, 6, 8}, 40, "40"),
                      row("Pair12", {1, 2}, invalid, "ungültig"),
                      row("Pair12With357", {1, 2, 3, 5, 7}, invalid, "ungültig"),
                      row("Pair34With8", {3, 4, 8}, invalid, "ungültig"),
                      row("Pair56Alone", {5, 6}, invalid, "ungültig"),
                      row("Pair78AfterValidPairs", {1, 3, 5, 7, 8}, invalid, "ungültig"),
                      row("AllOn", {1, 2, 3, 4, 5, 6, 7, 8}, invalid, "ungültig")),
    velmarit::testing::RowName{});

// The typed-text decode path: switch numbers read from the text, then decoded.
using DecodeLokText = ::testing::TestWithParam<TextListCase>;

TEST_P(DecodeLokText, Decodes)
{
    EXPECT_EQ(addressTextLok(decodeSwitchLok(patternFromTextLok(GetParam().text))),
              GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecodeLokText,
                         ::testing::Values(TextListCase{"Empty", "", "ungültig"},
                                           TextListCase{"Nine", "9", "ungültig"},
                                           TextListCase{"Letter", "a", "ungültig"},
                                           TextListCase{"Zero", "0", "ungültig"},
                                           TextListCase{"S135", "135", "54"},
                                           TextListCase{"ZeroEight", "08", "53"},
                                           TextListCase{"Pair12", "12", "ungültig"},
                                           TextListCase{"Descending7531", "7531", "80"},
                                           TextListCase{"Repeated", "1133557", "80"},
                                           TextListCase{"BlankBetween", "1 3", "72"},
                                           TextListCase{"AmongLetters", "x2y3z5ü7", "01"}),
                         velmarit::testing::RowName{});

TEST(LokRoundTrip, EveryAddressDecodesBack)
{
    for (int a = 1; a <= 80; ++a) {
        const std::string list = switchListLok(static_cast<std::int16_t>(a));
        // The text for 80 has no leading blank, unlike every other list.
        const auto switches = parseSwitchList(a == 80 ? " " + list : list);
        ASSERT_TRUE(switches) << a << ": \"" << list << '"';
        const LokResult result = decodeSwitchLok(patternOf<LokPattern>(*switches));
        EXPECT_EQ(result, a) << list;
        EXPECT_EQ(addressTextLok(result), (a < 10 ? "0" : "") + std::to_string(a));
    }
}

// Every one of the 256 patterns against the counting order of the pair
// settings: the setting counted n is address n, except that the first one
// (switches 1, 3, 5 and 7 ON) is address 80 and the last one (all OFF) is no
// address; every other pattern has a pair with both switches ON.
TEST(LokAllPatterns, FollowTheCountingOrder)
{
    const std::vector<unsigned> settings = velmarit::testing::pairSettingsInCountingOrder();
    ASSERT_EQ(settings.size(), 81u);
    std::map<unsigned, LokResult> expected;
    for (std::size_t n = 0; n < settings.size(); ++n)
        expected[settings[n]] = n == 0 ? LokResult(80) : n == 80 ? invalid : LokResult(int(n));
    int valid = 0;
    for (unsigned bits = 0; bits < 256; ++bits) {
        const auto found = expected.find(bits);
        const LokResult result = decodeSwitchLok(LokPattern::fromBits(bits));
        ASSERT_EQ(result, found == expected.end() ? invalid : found->second) << "bits " << bits;
        valid += result.has_value();
    }
    EXPECT_EQ(valid, 80);
}

} // namespace
