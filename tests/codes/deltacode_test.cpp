// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace velmarit;
using velmarit::testing::parseSwitchList;
using velmarit::testing::patternOf;

namespace {

constexpr DeltaResult analog = std::nullopt;

using DecodeCase = velmarit::testing::DecodeCase<DeltaPattern, DeltaResult>;

using DecodeDelta = ::testing::TestWithParam<DecodeCase>;

TEST_P(DecodeDelta, Decodes)
{
    const DeltaResult result = decodeSwitchLokDelta(GetParam().pattern);
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(addressTextLokDelta(result), GetParam().text);
}

DecodeCase row(const char *name, std::initializer_list<int> on, DeltaResult result,
               std::string_view text)
{
    return {name, patternOf<DeltaPattern>(on), result, text};
}

// All sixteen patterns, in ascending address order.
INSTANTIATE_TEST_SUITE_P(
    AllPatterns, DecodeDelta,
    ::testing::Values(row("S234", {2, 3, 4}, 2, "02"), row("S134", {1, 3, 4}, 6, "06"),
                      row("S34", {3, 4}, 8, "08"), row("S124", {1, 2, 4}, 18, "18"),
                      row("S24", {2, 4}, 20, "20"), row("S14", {1, 4}, 24, "24"),
                      row("S4", {4}, 26, "26"), row("S123", {1, 2, 3}, 54, "54"),
                      row("S23", {2, 3}, 56, "56"), row("S13", {1, 3}, 60, "60"),
                      row("S3", {3}, 62, "62"), row("S12", {1, 2}, 72, "72"),
                      row("S2", {2}, 74, "74"), row("S1", {1}, 78, "78"),
                      row("AllOn", {1, 2, 3, 4}, 80, "80"), row("AllOff", {}, analog, "analog")),
    velmarit::testing::RowName{});

struct TextCase
{
    friend void PrintTo(const TextCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    std::string_view text;
    std::string_view shown;
};

using DecodeDeltaText = ::testing::TestWithParam<TextCase>;

TEST_P(DecodeDeltaText, Decodes)
{
    EXPECT_EQ(addressTextLokDelta(decodeSwitchLokDelta(patternFromTextLokDelta(GetParam().text))),
              GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecodeDeltaText,
    ::testing::Values(TextCase{"Empty", "", "analog"}, TextCase{"Zero", "0", "analog"},
                      TextCase{"OnlyOtherDigits", "056789", "analog"},
                      TextCase{"Ascending", "1234", "80"}, TextCase{"Descending", "4321", "80"},
                      TextCase{"Mixed", "3142", "80"}, TextCase{"OneFour", "14", "24"},
                      TextCase{"FourOne", "41", "24"}, TextCase{"OneTwice", "11", "78"},
                      TextCase{"OneZero", "10", "78"}, TextCase{"OneAmongLetters", "a1b", "78"},
                      TextCase{"OneBesideFive", "51", "78"},
                      TextCase{"TableSwitchText", "2 3 4", "02"}),
    velmarit::testing::RowName{});

TEST(DeltaAddressTable, FifteenRowsAscendingAgreeingWithDecode)
{
    ASSERT_EQ(deltaAddressTable.size(), 15u);
    std::set<unsigned> patterns;
    int previous = 0;
    for (const DeltaRow &row : deltaAddressTable) {
        // List form: two characters, a single digit padded with a blank.
        ASSERT_EQ(row.addressText.size(), 2u) << row.addressText;
        const int address = std::stoi(std::string(row.addressText));
        EXPECT_EQ(row.addressText[0] == ' ', address < 10) << row.addressText;
        EXPECT_GT(address, previous) << "not ascending at " << row.addressText;
        previous = address;

        // Switch text: numbers separated by single blanks, none outside.
        const auto switches = parseSwitchList(" " + std::string(row.switchText));
        ASSERT_TRUE(switches) << '"' << row.switchText << '"';
        const auto pattern = patternOf<DeltaPattern>(*switches);
        EXPECT_EQ(decodeSwitchLokDelta(pattern), address) << row.switchText;
        patterns.insert(pattern.bits());
    }
    EXPECT_EQ(patterns.size(), 15u);
    EXPECT_EQ(patterns.count(0), 0u) << "analog mode has no row";
}

TEST(DeltaAddressTable, RowTexts)
{
    EXPECT_EQ(deltaRowText(deltaAddressTable.front()), " 2\t2 3 4");
    EXPECT_EQ(deltaRowText(deltaAddressTable.back()), "80\t1 2 3 4");
}

// A Delta switch k stands for locomotive switch 2k-1: both codes give the same
// address for every pattern except all-OFF (analog here, invalid there).
TEST(DeltaAllPatterns, MatchLocomotiveOddSwitches)
{
    for (unsigned bits = 1; bits < 16; ++bits) {
        const auto delta = DeltaPattern::fromBits(bits);
        unsigned lokBits = 0;
        for (int k = 1; k <= 4; ++k)
            if (delta.isOn(k))
                lokBits |= 1u << (2 * k - 2); // locomotive switch 2k-1
        const auto lok = LokPattern::fromBits(lokBits);
        const DeltaResult result = decodeSwitchLokDelta(delta);
        ASSERT_TRUE(result) << bits;
        EXPECT_EQ(result, decodeSwitchLok(lok)) << "bits " << bits;
    }
    EXPECT_EQ(decodeSwitchLokDelta(DeltaPattern{}), analog);
    EXPECT_EQ(decodeSwitchLok(LokPattern{}), std::nullopt);
}

} // namespace
