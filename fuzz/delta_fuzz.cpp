// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/deltacode.h"

#include "fuzzcheck.h"
#include "testsupport.h"

using namespace velmarit;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text = textOf(data, size);

    // Switch k is ON exactly when the digit k occurs in the text.
    const DeltaPattern pattern = patternFromTextLokDelta(text);
    FUZZ_REQUIRE(pattern.bits() < (1u << 4));
    for (int sw = 1; sw <= 4; ++sw)
        FUZZ_REQUIRE(pattern.isOn(sw) == containsChar(text, static_cast<char>('0' + sw)));

    // Every address has its row in the table, naming the same switches.
    const DeltaResult result = decodeSwitchLokDelta(pattern);
    const std::string shown = addressTextLokDelta(result);
    FUZZ_REQUIRE(!shown.empty());
    if (!result) {
        FUZZ_REQUIRE(pattern.none());
        FUZZ_REQUIRE(shown == "analog");
        return 0;
    }
    FUZZ_REQUIRE(shown == twoDigits(*result));
    int rows = 0;
    for (const DeltaRow &row : deltaAddressTable) {
        if (std::stoi(std::string(row.addressText)) != *result)
            continue;
        ++rows;
        const auto switches = velmarit::testing::parseSwitchList(" " + std::string(row.switchText));
        FUZZ_REQUIRE(switches);
        FUZZ_REQUIRE(velmarit::testing::patternOf<DeltaPattern>(*switches) == pattern);
    }
    FUZZ_REQUIRE(rows == 1);
    return 0;
}
