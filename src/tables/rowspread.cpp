// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/rowspread.h"

#include <algorithm>

namespace velmarit {

namespace {

std::ptrdiff_t ceilDiv(std::ptrdiff_t a, std::ptrdiff_t b)
{
    return (a + b - 1) / b;
}

} // namespace

RowSpread spreadRows(std::ptrdiff_t rowCount, std::ptrdiff_t capacity, std::ptrdiff_t fittingBlocks)
{
    capacity = std::max<std::ptrdiff_t>(1, capacity);
    fittingBlocks = std::max<std::ptrdiff_t>(1, fittingBlocks);
    RowSpread spread;
    spread.blocks = std::clamp<std::ptrdiff_t>(ceilDiv(rowCount, capacity), 1, fittingBlocks);
    spread.pages = std::max<std::ptrdiff_t>(1, ceilDiv(rowCount, spread.blocks * capacity));
    spread.perBlock = std::max<std::ptrdiff_t>(1, ceilDiv(rowCount, spread.pages * spread.blocks));
    return spread;
}

} // namespace velmarit
