// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// velmarit-tabelle is a command-line program. Started by a double click, it
// would get a console of its own, print the tables into it and close it
// again before anyone could read a line. How the program tells that case
// apart differs by platform (consolestart_unix.cpp, consolestart_win.cpp).
namespace velmarit {

// True only when the program owns its console alone: it was started from the
// desktop, not from a prompt, a script or a pipe, which all share theirs.
bool startedInOwnConsole();

// Waits until a key is pressed in the program's console.
void waitForKeyPress();

// What the program says instead of its tables when startedInOwnConsole().
QString ownConsoleNotice();

} // namespace velmarit
