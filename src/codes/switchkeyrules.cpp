// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "codes/switchkeyrules.h"

namespace velmarit {

int filterPairedSwitchKey(std::string_view text, int keyAscii, SwitchPairs pairs)
{
    if (keyAscii == backspaceKey)
        return keyAscii;

    const bool ascii = keyAscii > 0 && keyAscii < 128;
    const char typed = ascii ? static_cast<char>(keyAscii) : '\0';
    char partner = '\0';
    if (ascii && pairs.firstOfPair.find(typed) != std::string_view::npos)
        partner = static_cast<char>(typed + 1);
    else if (ascii && pairs.secondOfPair.find(typed) != std::string_view::npos)
        partner = static_cast<char>(typed - 1);

    // A character without a partner has the empty partner, which every
    // non-empty text contains.
    const bool taken = partner == '\0' ? !text.empty()
                                       : text.find(partner) != std::string_view::npos ||
                                             text.find(typed) != std::string_view::npos;
    return taken ? 0 : keyAscii;
}

int filterDeltaSwitchKey(int keyAscii)
{
    const bool allowed = keyAscii == backspaceKey || (keyAscii >= '0' && keyAscii <= '4');
    return allowed ? keyAscii : 0;
}

} // namespace velmarit
