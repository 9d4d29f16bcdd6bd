// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/numberfromtext.h"

#include "codes/roundeddecimal.h"

#include <algorithm>
#include <limits>

namespace velmarit {

std::int16_t numberFromText(std::string_view text)
{
    const std::int64_t value = readRoundedDecimal(text, " \t\n").value;
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

} // namespace velmarit
