// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace velmarit {

// A value for the placeholder {name} of a text.
using TextValue = std::pair<std::string_view, std::string_view>;

// `text` with each placeholder of `values` ("{path}") replaced by its value,
// in one pass, so that a value that holds braces is never read as a name. A
// placeholder without a value stays as it is.
std::string fill(std::string_view text, std::span<const TextValue> values);

inline std::string fill(std::string_view text, std::initializer_list<TextValue> values)
{
    return fill(text, std::span(values.begin(), values.size()));
}

} // namespace velmarit
