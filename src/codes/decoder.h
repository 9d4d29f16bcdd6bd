// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

// The three kinds of decoder, each under the one word the library uses for
// it: Lok for the locomotive decoder (8 switches), Delta for the Delta
// decoder (4 switches), MA for the accessory (turnout) decoder (10
// switches). Their codes are in lokcode.h, deltacode.h and macode.h. The
// window names its panels otherwise (pnlDigital, pnlWeichen); those names
// stay at the window's edge.
//
// Every other list of decoders names these or is made from this one: the
// tables, velmarit-tabelle and the page take their order from allDecoders,
// and the page's WebAssembly numbers them as they stand here and tells the
// page each one's word. The codes of a decoder named at run time are in
// decodercodes.h.
namespace velmarit {

enum class Decoder { Lok, Delta, MA };

inline constexpr std::array allDecoders{Decoder::Lok, Decoder::Delta, Decoder::MA};

// The decoder's word as text, for what names decoders outside C++ (the
// page's panel list, its tests).
constexpr std::string_view decoderWord(Decoder decoder)
{
    switch (decoder) {
    case Decoder::Lok:
        return "Lok";
    case Decoder::Delta:
        return "Delta";
    case Decoder::MA:
        return "MA";
    }
    return {};
}

} // namespace velmarit
