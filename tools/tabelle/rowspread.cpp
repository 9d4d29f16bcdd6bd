// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rowspread.h"

#include <algorithm>

namespace velmarit {

namespace {

qsizetype ceilDiv(qsizetype a, qsizetype b)
{
    return (a + b - 1) / b;
}

} // namespace

RowSpread spreadRows(qsizetype rowCount, qsizetype capacity, qsizetype fittingBlocks)
{
    capacity = std::max<qsizetype>(1, capacity);
    fittingBlocks = std::max<qsizetype>(1, fittingBlocks);
    RowSpread spread;
    spread.blocks = std::clamp<qsizetype>(ceilDiv(rowCount, capacity), 1, fittingBlocks);
    spread.pages = std::max<qsizetype>(1, ceilDiv(rowCount, spread.blocks * capacity));
    spread.perBlock = std::max<qsizetype>(1, ceilDiv(rowCount, spread.pages * spread.blocks));
    return spread;
}

} // namespace velmarit
