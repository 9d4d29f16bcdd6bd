// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texttable.h"

#include <QString>

namespace velmarit {

// One field of a comma-separated file: quoted, with inner quotes doubled,
// only when it holds a comma, a quote or a line break.
QString csvField(const QString &field);

// The table for spreadsheets: the heading row, then one line per row, each
// ended by a line feed.
QString formatCsv(const TextTable &table);

} // namespace velmarit
