// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/tableprinterloader.h"

#include "print/tableprinter.h"

namespace velmarit {

TablePrinter *loadTablePrinter(QString * /*failure*/)
{
    // One static program: the printing code is linked in, and only its
    // objects wait until first use.
    return velmaritTablePrinter();
}

} // namespace velmarit
