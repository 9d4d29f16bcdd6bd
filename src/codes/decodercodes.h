// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/decoder.h"
#include "codes/resultwords.h"

#include <string>
#include <string_view>

// The codes of a decoder named at run time, for what holds its decoders in
// a list (the page's binding, its tests' native helper): each function hands
// on to the decoder's own code in lokcode.h, deltacode.h or macode.h, and to
// the key rules of switchkeyrules.h.
namespace velmarit {

int switchCount(Decoder decoder);

// What a decode result shows for a pattern: its text, and whether in the
// highlight colours.
struct ShownResult
{
    std::string text;
    bool highlighted = false;
};

// The result of the pattern `bits` (bit n-1 is switch n; bits above the
// decoder's switches are dropped).
ShownResult decodedResult(Decoder decoder, unsigned bits, const ResultWords &words = germanWords);

// The pattern, as bits, of the switch numbers typed into the decoder's box.
unsigned patternFromText(Decoder decoder, std::string_view text);

// The decoder's switch-number box's verdict on a typed character, with the
// box's whole text: the character's code to let it through, 0 to refuse it.
int filterSwitchKey(Decoder decoder, std::string_view text, int keyAscii);

// The switches to set ON for the address typed into the decoder's address
// box, as the window's box reads it (numberfromtext.h). The Delta decoder
// has no address box, its addresses are a list: the empty text.
std::string switchListFromText(Decoder decoder, std::string_view text,
                               const ResultWords &words = germanWords);

} // namespace velmarit
