// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace velmarit {

// How a table's rows are set on paper: in blocks side by side (read down,
// then across) and over as many pages as needed.
struct RowSpread
{
    std::ptrdiff_t blocks = 1; // blocks on a full page
    std::ptrdiff_t pages = 1;
    std::ptrdiff_t perBlock = 1; // rows in a full block
};

// As few blocks as the rows need (a short table stays one column), at most
// `fittingBlocks` of at most `capacity` rows, and the rows spread evenly over
// the pages and blocks rather than filling the first ones up: 256 turnouts in
// four blocks of at most 65 become four blocks of 64.
RowSpread spreadRows(std::ptrdiff_t rowCount, std::ptrdiff_t capacity,
                     std::ptrdiff_t fittingBlocks);

} // namespace velmarit
