// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/lokcode.h"
#include "codes/numberfromtext.h"

#include "fuzzcheck.h"
#include "testsupport.h"

using namespace velmarit;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text = textOf(data, size);

    // Switch n is ON exactly when the digit n occurs in the text.
    const LokPattern pattern = patternFromTextLok(text);
    FUZZ_REQUIRE(pattern.bits() < (1u << 8));
    for (int sw = 1; sw <= 8; ++sw)
        FUZZ_REQUIRE(pattern.isOn(sw) == containsChar(text, static_cast<char>('0' + sw)));

    // A valid address lists exactly the pattern it came from.
    const LokResult result = decodeSwitchLok(pattern);
    const std::string shown = addressTextLok(result);
    FUZZ_REQUIRE(!shown.empty());
    if (result) {
        FUZZ_REQUIRE(*result >= 1 && *result <= 80);
        FUZZ_REQUIRE(shown == twoDigits(*result));
        const std::string list = switchListLok(static_cast<std::int16_t>(*result));
        const auto switches = velmarit::testing::parseSwitchList(*result == 80 ? " " + list : list);
        FUZZ_REQUIRE(switches);
        FUZZ_REQUIRE(velmarit::testing::patternOf<LokPattern>(*switches) == pattern);
    } else {
        FUZZ_REQUIRE(shown == "ungültig");
    }

    // The encode direction on the same text: one of its four kinds of answer.
    const std::int16_t address = numberFromText(text);
    const std::string list = switchListLok(address);
    if (address == 0)
        FUZZ_REQUIRE(list == "ungültig");
    else if (address == 80)
        FUZZ_REQUIRE(list == "1 3 5 7");
    else if (address < 0 || address > 80)
        FUZZ_REQUIRE(list.empty());
    else
        FUZZ_REQUIRE(velmarit::testing::parseSwitchList(list));
    return 0;
}
