// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/tableprinter.h"

#include <QString>

namespace velmarit {

// The printing commands, kept for the rest of the run once loaded. Nothing
// when they cannot be loaded; `failure` then says why, in German. The Linux
// program loads the module velmarit-print.so on the first call
// (tableprinterloader_unix.cpp); the Windows program is one static file with
// the printing code linked in, and only its objects wait until first use.
#ifdef VELMARIT_PRINTING_LINKED_IN
inline TablePrinter *loadTablePrinter(QString * /*failure*/)
{
    return velmaritTablePrinter();
}
#else
TablePrinter *loadTablePrinter(QString *failure);
#endif

// Unix: the printing module that the program in `programDir` loads. A
// program installed in the system's folders (isSystemInstallation) takes it
// from the install's library folder, LIBDIR/velmarit; any other program
// takes the one beside itself.
QString printModulePath(const QString &programDir);

} // namespace velmarit
