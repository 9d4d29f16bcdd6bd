// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printcommands.h"

// Exported from the module that the window loads on the first print
// command; linked in directly where the program is one static file.
extern "C" velmarit::TablePrinter *velmaritTablePrinter()
{
    static velmarit::PrintCommands commands;
    return &commands;
}
