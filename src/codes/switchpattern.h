// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace velmarit {

// The ON/OFF state of a decoder's DIP switches. Switches are numbered from 1,
// as printed on the decoder and as the check-box arrays are indexed; there is
// no switch 0.
template <int Count>
class SwitchPattern
{
    static_assert(Count >= 1 && Count <= 16);

public:
    static constexpr int switchCount = Count;

    constexpr SwitchPattern() = default;

    // Bit n-1 of `bits` is switch n; bits above the last switch are dropped.
    static constexpr SwitchPattern fromBits(unsigned bits)
    {
        SwitchPattern p;
        p.m_bits = static_cast<std::uint16_t>(bits & ((1u << Count) - 1u));
        return p;
    }

    constexpr unsigned bits() const { return m_bits; }

    // Out-of-range switch numbers read as OFF, so a caller's off-by-one can
    // never read a neighbouring switch.
    constexpr bool isOn(int sw) const
    {
        return sw >= 1 && sw <= Count && (m_bits >> (sw - 1)) & 1u;
    }

    constexpr bool none() const { return m_bits == 0; }

    friend constexpr bool operator==(SwitchPattern, SwitchPattern) = default;

private:
    std::uint16_t m_bits = 0;
};

using LokPattern = SwitchPattern<8>;
using DeltaPattern = SwitchPattern<4>;
using MAPattern = SwitchPattern<10>;

} // namespace velmarit
