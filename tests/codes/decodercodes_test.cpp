// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/decodercodes.h"

#include "testsupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace velmarit;

namespace {

// A question put to a decoder named at run time, its answer as text. Each
// row's answer is one that another decoder's code would give otherwise.
struct AskCase
{
    const char *name;
    Decoder decoder;
    std::function<std::string(Decoder)> ask;
    std::string answer;
};

unsigned bitsOf(const std::vector<int> &on)
{
    return velmarit::testing::patternOf<SwitchPattern<16>>(on).bits();
}

auto decoded(std::vector<int> on)
{
    return [on](Decoder d) {
        const ShownResult shown = decodedResult(d, bitsOf(on));
        return shown.text + (shown.highlighted ? ", highlighted" : "");
    };
}
auto pattern(std::string typed)
{
    return [typed](Decoder d) { return std::to_string(patternFromText(d, typed)); };
}
auto key(std::string typed, char character)
{
    return [typed, character](Decoder d) {
        return std::to_string(filterSwitchKey(d, typed, character));
    };
}
auto switchList(std::string typed)
{
    return [typed](Decoder d) { return switchListFromText(d, typed); };
}

using Ask = ::testing::TestWithParam<AskCase>;

TEST_P(Ask, TheDecodersOwnCodeAnswers)
{
    EXPECT_EQ(GetParam().ask(GetParam().decoder), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Decoders, Ask,
    ::testing::Values(
        AskCase{"Lok80Highlighted", Decoder::Lok, decoded({1, 3, 5, 7}), "80, highlighted"},
        AskCase{"LokAllOffInvalid", Decoder::Lok, decoded({}), "ungültig, highlighted"},
        AskCase{"DeltaAllOffAnalog", Decoder::Delta, decoded({}), "analog"},
        AskCase{"Delta80Plain", Decoder::Delta, decoded({1, 2, 3, 4}), "80"},
        AskCase{"DeltaDropsSwitch5", Decoder::Delta, decoded({2, 5}), "74"},
        AskCase{"MA256", Decoder::MA, decoded({2, 3, 6}), "256"},
        AskCase{"MAAllOffInvalid", Decoder::MA, decoded({}), "ungültig, highlighted"},
        AskCase{"LokZeroIsNoSwitch", Decoder::Lok, pattern("90"), "0"},
        AskCase{"MAZeroIsSwitch10", Decoder::MA, pattern("90"), "768"},
        AskCase{"DeltaSwitchesOneToFour", Decoder::Delta, pattern("15"), "1"},
        AskCase{"LokRefusesPartner", Decoder::Lok, key("1", '2'), "0"},
        AskCase{"LokRefuses9", Decoder::Lok, key("1", '9'), "0"},
        AskCase{"MAPasses9", Decoder::MA, key("1", '9'), "57"},
        AskCase{"DeltaRefuses5", Decoder::Delta, key("", '5'), "0"},
        AskCase{"DeltaPasses4Again", Decoder::Delta, key("4", '4'), "52"},
        AskCase{"LokAddress80", Decoder::Lok, switchList("80"), "1 3 5 7"},
        AskCase{"MATurnout12", Decoder::MA, switchList("1 2"), " 1 4 5 7"},
        AskCase{"DeltaHasNoAddressBox", Decoder::Delta, switchList("26"), ""}),
    velmarit::testing::RowName{});

TEST(DecoderCodes, EachDecoderHasItsSwitchesAndWord)
{
    std::vector<std::pair<int, std::string_view>> seen;
    for (const Decoder d : allDecoders)
        seen.emplace_back(switchCount(d), decoderWord(d));
    EXPECT_EQ(seen, (std::vector<std::pair<int, std::string_view>>{
                        {8, "Lok"}, {4, "Delta"}, {10, "MA"}}));
}

} // namespace
