// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A Windows console shows text in its own code page (850 in a German one),
// so UTF-8 bytes would turn every umlaut into two wrong characters. Text for
// a console goes through the console's own UTF-16 interface instead; text
// redirected into a file or a pipe is written as windowsFileBytes() says.
//
// Windows gives a console program started from Explorer a console of its own
// and closes it when the program ends. A prompt (cmd, PowerShell) shares its
// console with the programs it starts, so there the console lists at least
// two processes; output into a file or a pipe has no console at all.

#include "console.h"

#include <cstdio>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace velmarit {

namespace {

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

bool writeConsole(HANDLE handle, QString text)
{
    // A form feed separates printed pages; a console would show it as a
    // symbol, so there it becomes an empty line.
    text.replace(u'\f', u'\n');
    const auto *data = reinterpret_cast<const wchar_t *>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(qMin<qsizetype>(left, 16384));
        if (!WriteConsoleW(handle, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool writeBytes(std::FILE *stream, const QByteArray &bytes)
{
    // The C library would turn every LF into CR LF once more.
    _setmode(_fileno(stream), _O_BINARY);
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    // A full disk or a closed pipe must not pass for a printed table.
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

bool write(std::FILE *stream, DWORD handleId, const QString &text, OutputForm form)
{
    const HANDLE handle = GetStdHandle(handleId);
    if (isConsole(handle))
        return writeConsole(handle, text);
    return writeBytes(stream, windowsFileBytes(text, form));
}

} // namespace

bool writeStandardOutput(const QString &text, OutputForm form)
{
    return write(stdout, STD_OUTPUT_HANDLE, text, form);
}

void writeStandardError(const QString &text)
{
    write(stderr, STD_ERROR_HANDLE, text, OutputForm::Text);
}

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
