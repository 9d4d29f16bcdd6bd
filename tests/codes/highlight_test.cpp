// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using namespace velmarit;
using velmarit::testing::patternOf;

namespace {

// Whether the result of the switches ON in one decoder's block is shown in
// the highlight colours.
template <class Pattern, auto decode, auto highlighted>
bool highlightedFor(const std::vector<int> &on)
{
    return highlighted(decode(patternOf<Pattern>(on)));
}
constexpr auto Lok = highlightedFor<LokPattern, decodeSwitchLok, highlightedLok>;
constexpr auto Delta = highlightedFor<DeltaPattern, decodeSwitchLokDelta, highlightedLokDelta>;
constexpr auto Weichen = highlightedFor<MAPattern, decodeSwitchMA, highlightedMA>;

struct HighlightCase
{
    friend void PrintTo(const HighlightCase &row, std::ostream *os) { *os << row.name; }

    const char *name;
    bool (*highlightedFor)(const std::vector<int> &on); // one decoder's
    std::vector<int> on;
    bool highlighted;
};

using Highlight = ::testing::TestWithParam<HighlightCase>;

TEST_P(Highlight, FollowsTheDecodedResult)
{
    EXPECT_EQ(GetParam().highlightedFor(GetParam().on), GetParam().highlighted);
}

// Address 80 stands out on a locomotive decoder only: the Delta decoder's 80
// and the turnout decoder's 80 are ordinary results.
INSTANTIATE_TEST_SUITE_P(
    Decoders, Highlight,
    ::testing::Values(HighlightCase{"Lok1", Lok, {2, 3, 5, 7}, false},
                      HighlightCase{"Lok79", Lok, {2}, false},
                      HighlightCase{"Lok80", Lok, {1, 3, 5, 7}, true},
                      HighlightCase{"LokAllOff", Lok, {}, true},
                      HighlightCase{"LokPair12", Lok, {1, 2, 5, 7}, true},
                      HighlightCase{"DeltaAnalog", Delta, {}, false},
                      HighlightCase{"Delta2", Delta, {2, 3, 4}, false},
                      HighlightCase{"Delta80", Delta, {1, 2, 3, 4}, false},
                      HighlightCase{"Weichen1", Weichen, {2, 3, 5, 7, 9, 10}, false},
                      HighlightCase{"Weichen80", Weichen, {3, 7}, false},
                      HighlightCase{"Weichen256", Weichen, {2, 3, 6}, false},
                      HighlightCase{"WeichenAllOff", Weichen, {}, true},
                      HighlightCase{"WeichenDecoder0", Weichen, {1, 3, 5, 7}, true},
                      HighlightCase{"WeichenPair78", Weichen, {2, 3, 5, 7, 8}, true}),
    velmarit::testing::RowName{});

} // namespace
