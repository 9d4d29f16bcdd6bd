// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/accessorycode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace velmarit;
using velmarit::testing::patternOf;

namespace {

enum class Decoder { Lok, Delta, Weichen };

// The switches ON in one decoder's block, and whether its result is shown
// in the highlight colours.
struct HighlightCase
{
    friend void PrintTo(const HighlightCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    Decoder decoder;
    std::vector<int> on;
    bool highlighted;
};

bool highlightedFor(Decoder decoder, const std::vector<int> &on)
{
    switch (decoder) {
    case Decoder::Lok:
        return highlightedLok(decodeSwitchLok(patternOf<LokPattern>(on)));
    case Decoder::Delta:
        return highlightedLokDelta(decodeSwitchLokDelta(patternOf<DeltaPattern>(on)));
    case Decoder::Weichen:
        return highlightedMA(decodeSwitchMA(patternOf<AccessoryPattern>(on)));
    }
    return false;
}

using Highlight = ::testing::TestWithParam<HighlightCase>;

TEST_P(Highlight, FollowsTheDecodedResult)
{
    EXPECT_EQ(highlightedFor(GetParam().decoder, GetParam().on), GetParam().highlighted);
}

// Address 80 stands out on a locomotive decoder only: the Delta decoder's 80
// and the turnout decoder's 80 are ordinary results.
INSTANTIATE_TEST_SUITE_P(
    Decoders, Highlight,
    ::testing::Values(HighlightCase{"Lok1", Decoder::Lok, {2, 3, 5, 7}, false},
                      HighlightCase{"Lok79", Decoder::Lok, {2}, false},
                      HighlightCase{"Lok80", Decoder::Lok, {1, 3, 5, 7}, true},
                      HighlightCase{"LokAllOff", Decoder::Lok, {}, true},
                      HighlightCase{"LokPair12", Decoder::Lok, {1, 2, 5, 7}, true},
                      HighlightCase{"DeltaAnalog", Decoder::Delta, {}, false},
                      HighlightCase{"Delta2", Decoder::Delta, {2, 3, 4}, false},
                      HighlightCase{"Delta80", Decoder::Delta, {1, 2, 3, 4}, false},
                      HighlightCase{"Weichen1", Decoder::Weichen, {2, 3, 5, 7, 9, 10}, false},
                      HighlightCase{"Weichen80", Decoder::Weichen, {3, 7}, false},
                      HighlightCase{"Weichen256", Decoder::Weichen, {2, 3, 6}, false},
                      HighlightCase{"WeichenAllOff", Decoder::Weichen, {}, true},
                      HighlightCase{"WeichenDecoder0", Decoder::Weichen, {1, 3, 5, 7}, true},
                      HighlightCase{"WeichenPair78", Decoder::Weichen, {2, 3, 5, 7, 8}, true}),
    velmarit::testing::RowName{});

} // namespace
