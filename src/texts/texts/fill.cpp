// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts/fill.h"

namespace velmarit {

std::string fill(std::string_view text, std::span<const TextValue> values)
{
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const TextValue *found = nullptr;
        if (text[at] == '{') {
            for (const TextValue &value : values) {
                const std::string_view rest = text.substr(at + 1);
                if (rest.starts_with(value.first) &&
                    rest.substr(value.first.size()).starts_with('}')) {
                    found = &value;
                    break;
                }
            }
        }
        if (found == nullptr) {
            out += text[at++];
            continue;
        }
        out += found->second;
        at += found->first.size() + 2;
    }
    return out;
}

} // namespace velmarit
