// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "outputforms.h"

#include <QString>

// Standard output and error, and the console they may belong to. A Windows
// console takes text only through its own interface and closes with a
// program started by a double click; terminals, files and pipes elsewhere
// take UTF-8 as it is. Each platform has its own file (console_unix.cpp,
// console_win.cpp).
namespace velmarit {

// Writes the program's output to standard output in the form the system's
// users expect. Returns false when the text did not reach its destination
// (a full disk, a closed pipe).
bool writeStandardOutput(const QString &text, OutputForm form);

// Writes a message to standard error.
void writeStandardError(const QString &text);

// True only when the program owns its console alone: it was started from the
// desktop, not from a prompt, a script or a pipe, which all share theirs.
// Printed into such a console, the tables would vanish with it before anyone
// could read a line.
bool startedInOwnConsole();

// Waits until a key is pressed in the program's console.
void waitForKeyPress();

} // namespace velmarit
