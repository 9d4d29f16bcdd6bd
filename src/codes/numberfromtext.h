// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

namespace velmarit {

// Reads an address box's text as a number. Every text gives one, without a
// message, so that the result beside the box follows each keystroke, also
// while the text is half typed or holds stray characters; and a text gives
// the same address in the window and on the page. The rule: blanks, tabs
// and line feeds are skipped wherever they stand ("1 2" is 12), then an
// optional sign, digits and an optional decimal fraction are read up to the
// first character that cannot continue the number. No number at the start
// gives 0. The value is rounded to the nearest integer, an exact half going
// to the even neighbour (".5" is 0, "2.5" is 2, "3.5" is 4).
//
// Only plain decimal notation is read: an exponent ("1E2") or a "&H"/"&O"
// prefix ends the number like any other letter.
//
// The turnout box has no length limit, so any text must give a safe answer:
// values beyond the 16-bit range saturate at -32768 or 32767, which the
// turnout code turns into "ungültig" (too large) and the empty text (too
// small). The text is scanned once; its length does not matter.
std::int16_t numberFromText(std::string_view text);

} // namespace velmarit
