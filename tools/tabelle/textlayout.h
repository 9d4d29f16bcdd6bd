// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texttable.h"

#include <QString>

namespace velmarit {

// What fits one A4 page printed as plain text at the usual 10 or 12
// characters per inch.
struct PageLimits
{
    int columns = 80;
    int lines = 70;
};

// The table as aligned text for printing. Long tables are set in several
// blocks side by side (read down, then across) and, when even that does not
// fit, over several pages; each page repeats the title and the headings and
// every page after the first starts with a form feed.
QString formatText(const TextTable &table, PageLimits limits = {});

} // namespace velmarit
