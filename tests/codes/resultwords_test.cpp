// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace velmarit;

namespace {

// Every place the codes write a word instead of a number, with the word it
// must take from the caller; a number stays a number in any language.
struct WordCase
{
    const char *name;
    std::function<std::string(const ResultWords &)> write;
    std::string_view ResultWords::*word;
};

constexpr ResultWords dutch{"ongeldig", "analoog", "geen (alle OFF)"};

using Words = ::testing::TestWithParam<WordCase>;

TEST_P(Words, TakesTheCallersWord)
{
    EXPECT_EQ(GetParam().write(dutch), dutch.*GetParam().word);
    EXPECT_EQ(GetParam().write(germanWords), germanWords.*GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWord, Words,
    ::testing::Values(
        WordCase{"LokAddress0", [](auto &w) { return switchListLok(0, w); }, &ResultWords::invalid},
        WordCase{"LokAllOff",
                 [](auto &w) { return addressTextLok(decodeSwitchLok(LokPattern::fromBits(0)), w); },
                 &ResultWords::invalid},
        WordCase{"DeltaAllOff",
                 [](auto &w) {
                     return addressTextLokDelta(decodeSwitchLokDelta(DeltaPattern::fromBits(0)), w);
                 },
                 &ResultWords::analog},
        WordCase{"TurnoutAbove256", [](auto &w) { return switchListMA(257, w); },
                 &ResultWords::invalid},
        WordCase{"Turnout0", [](auto &w) { return switchListMA(0, w); }, &ResultWords::invalid},
        WordCase{"TurnoutPairBothOn",
                 [](auto &w) {
                     return addressTextMA(decodeSwitchMA(MAPattern::fromBits(0b11)), w);
                 },
                 &ResultWords::invalid}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ResultWords, NumbersStayNumbers)
{
    EXPECT_EQ(addressTextLok(17, dutch), "17");
    EXPECT_EQ(addressTextLokDelta(2, dutch), "02");
    EXPECT_EQ(switchListMA(256, dutch), switchListMA(256));
}

} // namespace
