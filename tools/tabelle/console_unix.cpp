// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Terminals, files and pipes all take UTF-8 with LF line ends here. A
// desktop starts a command-line program in a terminal that stays open (or
// not at all), so a program never owns a console that closes under it.

#include "console.h"

#include <cstdio>

namespace velmarit {

namespace {

bool writeBytes(std::FILE *stream, const QByteArray &bytes)
{
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    // A full disk or a closed pipe must not pass for a printed table.
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

} // namespace

bool writeStandardOutput(const QString &text, OutputForm)
{
    return writeBytes(stdout, text.toUtf8());
}

void writeStandardError(const QString &text)
{
    writeBytes(stderr, text.toUtf8());
}

bool startedInOwnConsole()
{
    return false;
}

void waitForKeyPress() {}

} // namespace velmarit
