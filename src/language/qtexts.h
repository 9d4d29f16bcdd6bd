// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <initializer_list>
#include <string_view>
#include <utility>

// The texts of src/texts (UTF-8) where Qt shows them.
namespace velmarit {

QString toQString(std::string_view text);

// A value for the placeholder {name} of a text.
using QTextValue = std::pair<std::string_view, QString>;

// `text` with its placeholders filled in (see texts/fill.h).
QString filled(std::string_view text, std::initializer_list<QTextValue> values);

} // namespace velmarit
