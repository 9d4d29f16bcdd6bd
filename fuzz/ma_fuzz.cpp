// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/macode.h"
#include "codes/numberfromtext.h"

#include "fuzzcheck.h"
#include "testsupport.h"

using namespace velmarit;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text = textOf(data, size);

    // Switch d is ON exactly when the digit d occurs; "0" stands for switch 10.
    const MAPattern pattern = patternFromTextMA(text);
    FUZZ_REQUIRE(pattern.bits() < (1u << 10));
    for (int sw = 1; sw <= 10; ++sw)
        FUZZ_REQUIRE(pattern.isOn(sw) == containsChar(text, static_cast<char>('0' + sw % 10)));

    // A valid turnout lists exactly the pattern it came from.
    const MAResult result = decodeSwitchMA(pattern);
    const std::string shown = addressTextMA(result);
    FUZZ_REQUIRE(!shown.empty());
    if (result) {
        FUZZ_REQUIRE(*result >= 1 && *result <= 256);
        FUZZ_REQUIRE(shown == twoDigits(*result));
        const auto switches = velmarit::testing::parseSwitchList(switchListMA(*result));
        FUZZ_REQUIRE(switches);
        FUZZ_REQUIRE(velmarit::testing::patternOf<MAPattern>(*switches) == pattern);
    } else {
        FUZZ_REQUIRE(shown == "ungültig");
    }

    // The encode direction on the same text: a list that decodes back to the
    // number, or "ungültig" / empty outside 1 to 256.
    const int turnout = numberFromText(text);
    const std::string list = switchListMA(turnout);
    if (turnout > 256 || (turnout >= -3 && turnout <= 0)) {
        FUZZ_REQUIRE(list == "ungültig");
    } else if (turnout < -3) {
        FUZZ_REQUIRE(list.empty());
    } else {
        const auto switches = velmarit::testing::parseSwitchList(list);
        FUZZ_REQUIRE(switches);
        FUZZ_REQUIRE(decodeSwitchMA(velmarit::testing::patternOf<MAPattern>(*switches)) ==
                     turnout);
    }
    return 0;
}
