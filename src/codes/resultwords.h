// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

#include <string_view>

// The words the codes write where a result is not a number, in the language
// the caller speaks, so that each rule stays written once and only its words
// change. German where a caller names none.
namespace velmarit {

struct ResultWords
{
    std::string_view invalid;    // a pattern or an address without an answer
    std::string_view analog;     // a Delta decoder with every switch OFF
    std::string_view noSwitchOn; // the tables' switch text of that pattern
};

constexpr ResultWords resultWords(const Texts &language)
{
    const auto &words = language.library.words;
    return {words.invalid, words.analog, words.noSwitchOn};
}

inline constexpr ResultWords germanWords = resultWords(texts::german);

} // namespace velmarit
