// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language/qtexts.h"

#include "texts/fill.h"

#include <string>
#include <vector>

namespace velmarit {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString filled(std::string_view text, std::initializer_list<QTextValue> values)
{
    // The values as UTF-8, kept alive while fill() reads them.
    std::vector<std::string> utf8;
    utf8.reserve(values.size());
    for (const QTextValue &value : values)
        utf8.push_back(value.second.toStdString());
    std::vector<TextValue> asUtf8;
    auto value = values.begin();
    for (const std::string &each : utf8)
        asUtf8.emplace_back((value++)->first, each);
    return toQString(fill(text, asUtf8));
}

} // namespace velmarit
