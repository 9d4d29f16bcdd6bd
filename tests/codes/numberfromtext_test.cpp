// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/numberfromtext.h"

#include "referencenumber.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

using namespace std::literals;
using velmarit::numberFromText;

namespace {

struct TextCase
{
    friend void PrintTo(const TextCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    std::string_view text;
    std::int16_t expected;
};

using NumberFromText = ::testing::TestWithParam<TextCase>;

TEST_P(NumberFromText, Reads)
{
    EXPECT_EQ(numberFromText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Plain, NumberFromText,
    ::testing::Values(TextCase{"Empty", "", 0}, TextCase{"OnlyBlanks", " \t\n", 0},
                      TextCase{"Letter", "a7", 0}, TextCase{"DigitThenLetter", "1a", 1},
                      TextCase{"LeadingBlank", " 7", 7}, TextCase{"TrailingBlank", "7 ", 7},
                      TextCase{"BlankInsideDigits", "1 2", 12},
                      TextCase{"TabAndLineFeedInside", "\t1\n2\t", 12},
                      TextCase{"CarriageReturnIsNoBlank", "1\r2", 1},
                      TextCase{"LeadingZeros", "007", 7}),
    velmarit::testing::RowName{});

INSTANTIATE_TEST_SUITE_P(Signs, NumberFromText,
                         ::testing::Values(TextCase{"Plus", "+5", 5}, TextCase{"Minus", "-5", -5},
                                           TextCase{"LoneMinus", "-", 0},
                                           TextCase{"LonePlus", "+", 0},
                                           TextCase{"DoubleMinus", "--5", 0},
                                           TextCase{"PlusMinus", "+-5", 0},
                                           TextCase{"BlankAfterSign", "- 5", -5},
                                           TextCase{"MinusAfterNumber", "5-3", 5}),
                         velmarit::testing::RowName{});

// Rounding to nearest with an exact half to the even neighbour; only an exact
// half may go down, so the digits far behind the 5 matter.
INSTANTIATE_TEST_SUITE_P(
    Rounding, NumberFromText,
    ::testing::Values(TextCase{"PointFive", ".5", 0}, TextCase{"PointSeven", ".7", 1},
                      TextCase{"TwoHalf", "2.5", 2}, TextCase{"ThreeHalf", "3.5", 4},
                      TextCase{"MinusTwoHalf", "-2.5", -2}, TextCase{"MinusThreeHalf", "-3.5", -4},
                      TextCase{"MinusPointFive", "-.5", 0}, TextCase{"MinusPointSeven", "-.7", -1},
                      TextCase{"JustAboveHalf", "2.5000001", 3},
                      TextCase{"JustBelowHalf", "2.4999999", 2},
                      TextCase{"HalfWithZeros", "2.5000", 2}, TextCase{"ZeroBeforeFive", "0.05", 0},
                      TextCase{"ZeroBeforeNine", "1.09", 1},
                      TextCase{"BlanksInFraction", "2. 5 1", 3}, TextCase{"TrailingPoint", "7.", 7},
                      TextCase{"LonePoint", ".", 0}, TextCase{"TwoPointsFirst", "..5", 0},
                      TextCase{"SecondPointStops", "1.2.9", 1}, TextCase{"CommaStops", "1,9", 1}),
    velmarit::testing::RowName{});

// Only plain decimal notation is read.
INSTANTIATE_TEST_SUITE_P(Notations, NumberFromText,
                         ::testing::Values(TextCase{"Exponent", "1E2", 1},
                                           TextCase{"HexPrefix", "&H10", 0},
                                           TextCase{"OctalPrefix", "&O17", 0},
                                           TextCase{"CHex", "0x1F", 0}),
                         velmarit::testing::RowName{});

// Values beyond 16 bits saturate instead of wrapping.
INSTANTIATE_TEST_SUITE_P(
    Limits, NumberFromText,
    ::testing::Values(
        TextCase{"Max", "32767", 32767}, TextCase{"Min", "-32768", -32768},
        TextCase{"AboveMax", "32768", 32767}, TextCase{"BelowMin", "-32769", -32768},
        TextCase{"Wraps16", "65536", 32767}, TextCase{"Wraps16Plus1", "65537", 32767},
        TextCase{"Wraps32", "4294967296", 32767}, TextCase{"Wraps32Plus7", "4294967303", 32767},
        TextCase{"NegativeWraps16", "-65536", -32768}, TextCase{"MaxHalf", "32767.5", 32767},
        TextCase{"BelowMaxHalf", "32766.5", 32766}, TextCase{"MinHalf", "-32768.5", -32768},
        TextCase{"AboveMinHalf", "-32767.5", -32768}, TextCase{"MinAboveHalf", "-32768.6", -32768}),
    velmarit::testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Hostile, NumberFromText,
    ::testing::Values(TextCase{"NulStops",
                               "1\0"
                               "2"sv,
                               1},
                      TextCase{"NulFirst",
                               "\0"
                               "5"sv,
                               0},
                      TextCase{"UmlautFirst", "ü5", 0}, TextCase{"UmlautAfter", "5ü", 5},
                      TextCase{"UmlautInside", "1ä2", 1}, TextCase{"FullwidthDigit", "５", 0},
                      TextCase{"ArabicIndicDigit", "٣", 0}, TextCase{"NoBreakSpace", "\u00a07", 0},
                      TextCase{"InvalidUtf8", "\xff\xfe\x80", 0}),
    velmarit::testing::RowName{});

struct LongCase
{
    friend void PrintTo(const LongCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    std::function<std::string()> make;
    std::int16_t expected;
};

using NumberFromLongText = ::testing::TestWithParam<LongCase>;

TEST_P(NumberFromLongText, Reads)
{
    EXPECT_EQ(numberFromText(GetParam().make()), GetParam().expected);
}

constexpr std::size_t million = 1'000'000;

INSTANTIATE_TEST_SUITE_P(
    Megabyte, NumberFromLongText,
    ::testing::Values(
        LongCase{"Nines", [] { return std::string(million, '9'); }, 32767},
        LongCase{"MinusNines", [] { return "-" + std::string(million, '9'); }, -32768},
        LongCase{"ZerosThenFive", [] { return std::string(million, '0') + "5"; }, 5},
        LongCase{"BlanksBetweenDigits", [] { return "1" + std::string(million, ' ') + "2"; }, 12},
        LongCase{"HalfThenZeros", [] { return "2.5" + std::string(million, '0'); }, 2},
        LongCase{"HalfThenZerosThenOne", [] { return "2.5" + std::string(million, '0') + "1"; }, 3},
        LongCase{"TinyFraction", [] { return "0." + std::string(million, '0') + "9"; }, 0},
        LongCase{"NinesAfterPoint", [] { return "4." + std::string(million, '9'); }, 5},
        LongCase{"Umlauts",
                 [] {
                     std::string s;
                     for (std::size_t i = 0; i < million / 2; ++i)
                         s += "ü";
                     return s;
                 },
                 0},
        LongCase{"NulBytes", [] { return std::string(million, '\0'); }, 0},
        LongCase{"DigitThenLetters", [] { return "7" + std::string(million, 'x'); }, 7}),
    velmarit::testing::RowName{});

// Every 16-bit value written out reads back as itself, and the same value
// followed by ".5" goes to whichever neighbour is even.
TEST(NumberFromTextAllValues, DecimalAndHalfRoundTrip)
{
    for (int v = -32768; v <= 32767; ++v) {
        const std::string text = std::to_string(v);
        ASSERT_EQ(numberFromText(text), v) << text;

        const int even = v % 2 == 0 ? v : v + (v > 0 ? 1 : -1);
        const int expected = std::clamp(even, -32768, 32767);
        ASSERT_EQ(numberFromText(text + ".5"), expected) << text << ".5";
    }
}

TEST(NumberFromTextShortTexts, AgreeWithReference)
{
    // Every text of up to six characters over this alphabet: signs, points,
    // blanks, odd and even digits and a letter in all positions.
    constexpr std::string_view alphabet = "0158.-+ a";
    std::string text;
    std::size_t checked = 0;
    const std::function<void(std::size_t)> extend = [&](std::size_t left) {
        ASSERT_EQ(numberFromText(text), velmarit::testing::referenceNumber(text))
            << '"' << text << '"';
        ++checked;
        if (left == 0)
            return;
        for (const char c : alphabet) {
            text.push_back(c);
            extend(left - 1);
            text.pop_back();
            if (HasFatalFailure())
                return;
        }
    };
    extend(6);
    EXPECT_EQ(checked, 597871u); // 1 + 9 + ... + 9^6
}

} // namespace
