// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// The words the codes write where a result is not a number. The window and
// velmarit-tabelle speak German; the page passes the words of its language,
// so that each rule stays written once and only its words change.
namespace velmarit {

struct ResultWords
{
    std::string_view invalid;    // a pattern or an address without an answer
    std::string_view analog;     // a Delta decoder with every switch OFF
    std::string_view noSwitchOn; // the tables' switch text of that pattern
};

inline constexpr ResultWords germanWords{"ungültig", "analog", "keiner (alle OFF)"};

} // namespace velmarit
