// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/decodercodes.h"

#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/macode.h"
#include "codes/numberfromtext.h"
#include "codes/switchkeyrules.h"

namespace velmarit {

namespace {

// A decoder's codes, as one row of functions.
struct Codes
{
    int switchCount;
    ShownResult (*decoded)(unsigned bits, const ResultWords &words);
    unsigned (*pattern)(std::string_view text);
    int (*filter)(std::string_view text, int keyAscii);
    std::string (*switchList)(std::string_view text, const ResultWords &words);
};

// The functions that the three decoders write alike, from their own.
template <class Pattern, auto decode, auto text, auto highlighted, auto fromText> struct Alike
{
    static ShownResult decoded(unsigned bits, const ResultWords &words)
    {
        const auto result = decode(Pattern::fromBits(bits));
        return {text(result, words), highlighted(result)};
    }
    static unsigned pattern(std::string_view typed) { return fromText(typed).bits(); }
};

using LokAlike =
    Alike<LokPattern, decodeSwitchLok, addressTextLok, highlightedLok, patternFromTextLok>;
using DeltaAlike = Alike<DeltaPattern, decodeSwitchLokDelta, addressTextLokDelta,
                         highlightedLokDelta, patternFromTextLokDelta>;
using MAAlike = Alike<MAPattern, decodeSwitchMA, addressTextMA, highlightedMA, patternFromTextMA>;

Codes codesOf(Decoder decoder)
{
    switch (decoder) {
    case Decoder::Lok:
        return {LokPattern::switchCount, LokAlike::decoded, LokAlike::pattern,
                [](std::string_view text, int key) {
                    return filterPairedSwitchKey(text, key, lokSwitchPairs);
                },
                [](std::string_view text, const ResultWords &words) {
                    return switchListLok(numberFromText(text), words);
                }};
    case Decoder::Delta:
        return {DeltaPattern::switchCount, DeltaAlike::decoded, DeltaAlike::pattern,
                [](std::string_view, int key) { return filterDeltaSwitchKey(key); },
                [](std::string_view, const ResultWords &) { return std::string(); }};
    case Decoder::MA:
        break;
    }
    // The accessory decoder's, which every value of Decoder not above is.
    return {MAPattern::switchCount, MAAlike::decoded, MAAlike::pattern,
            [](std::string_view text, int key) {
                return filterPairedSwitchKey(text, key, maSwitchPairs);
            },
            [](std::string_view text, const ResultWords &words) {
                return switchListMA(numberFromText(text), words);
            }};
}

} // namespace

int switchCount(Decoder decoder)
{
    return codesOf(decoder).switchCount;
}

ShownResult decodedResult(Decoder decoder, unsigned bits, const ResultWords &words)
{
    return codesOf(decoder).decoded(bits, words);
}

unsigned patternFromText(Decoder decoder, std::string_view text)
{
    return codesOf(decoder).pattern(text);
}

int filterSwitchKey(Decoder decoder, std::string_view text, int keyAscii)
{
    return codesOf(decoder).filter(text, keyAscii);
}

std::string switchListFromText(Decoder decoder, std::string_view text, const ResultWords &words)
{
    return codesOf(decoder).switchList(text, words);
}

} // namespace velmarit
