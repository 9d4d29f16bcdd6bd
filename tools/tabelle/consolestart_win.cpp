// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows gives a console program started from Explorer a console of its own
// and closes it when the program ends. A prompt (cmd, PowerShell) shares its
// console with the programs it starts, so there the console lists at least
// two processes; output into a file or a pipe has no console at all.

#include "consolestart.h"

#include <windows.h>

namespace velmarit {

bool startedInOwnConsole()
{
    DWORD mode = 0;
    if (!GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode))
        return false;
    DWORD processes[2] = {};
    return GetConsoleProcessList(processes, 2) == 1;
}

void waitForKeyPress()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(input, &mode))
        return;
    // A key already pressed before the note appeared must not dismiss it.
    FlushConsoleInputBuffer(input);
    for (;;) {
        INPUT_RECORD record = {};
        DWORD read = 0;
        if (!ReadConsoleInputW(input, &record, 1, &read) || read == 0)
            return;
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown)
            return;
    }
}

} // namespace velmarit
