// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace velmarit {

class TablePrinter;

// The printing commands, loaded on the first call and kept for the rest of
// the run (tableprinterloader_unix.cpp: the module velmarit-print.so;
// tableprinterloader_win.cpp: linked into the program). Nothing when they
// cannot be loaded; `failure` then says why, in German.
TablePrinter *loadTablePrinter(QString *failure);

// Unix: the printing module that the program in `programDir` loads. A
// program installed in the system's folders (isSystemInstallation) takes it
// from the install's library folder, LIBDIR/velmarit; any other program
// takes the one beside itself.
QString printModulePath(const QString &programDir);

} // namespace velmarit
