// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// The key filters of the switch-number boxes, as plain functions: they get
// the box's whole current text (UTF-8) and the code of the typed character,
// and return that code to let the character through or 0 to cancel it.
namespace velmarit {

inline constexpr int backspaceKey = 8;

// The characters that stand for the first and the second switch of a pair.
// A character's partner is the one whose code is one higher (first switch)
// or one lower (second switch); for the accessory boxes this makes ":" the
// partner of "9" and "/" that of "0", characters that cannot be typed
// after any other character anyway.
struct SwitchPairs
{
    std::string_view firstOfPair;
    std::string_view secondOfPair;
};

inline constexpr SwitchPairs lokSwitchPairs{"1357", "2468"};
inline constexpr SwitchPairs maSwitchPairs{"13579", "24680"};

// Backspace always passes. A switch digit passes unless the text already
// holds it or its partner; so a typed text names each switch once and never
// both switches of a pair. Any other character passes only into an empty box.
int filterPairedSwitchKey(std::string_view text, int keyAscii, SwitchPairs pairs);

// Backspace and "0" to "4" pass; everything else is cancelled.
int filterDeltaSwitchKey(int keyAscii);

} // namespace velmarit
