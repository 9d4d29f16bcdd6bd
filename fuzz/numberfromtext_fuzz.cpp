// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/numberfromtext.h"

#include "fuzzcheck.h"
#include "referencenumber.h"

#include <cstdint>
#include <string>

using velmarit::numberFromText;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view text = textOf(data, size);
    const std::int16_t value = numberFromText(text);

    // Short texts: the same as the slow reference reading.
    if (size <= 16)
        FUZZ_REQUIRE(value == velmarit::testing::referenceNumber(text));

    // Blanks, tabs and line feeds do not matter, wherever they stand.
    std::string squeezed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;
    }
    FUZZ_REQUIRE(numberFromText(squeezed) == value);
    FUZZ_REQUIRE(numberFromText(" \t\n" + std::string(text)) == value);

    // A text that cannot start a number reads as 0.
    if (!squeezed.empty() &&
        std::string_view("+-.0123456789").find(squeezed[0]) == std::string::npos)
        FUZZ_REQUIRE(value == 0);

    // Reading stops at a character that cannot continue a number: nothing
    // after it counts.
    FUZZ_REQUIRE(numberFromText(std::string(text) + '\x01' + std::string(text)) == value);
    return 0;
}
