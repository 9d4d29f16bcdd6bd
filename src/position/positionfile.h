// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velmarit {

// The window's outer-frame corner in twips (15 per logical pixel).
struct WindowPosition
{
    qint32 left = 0;
    qint32 top = 0;

    friend bool operator==(const WindowPosition &, const WindowPosition &) = default;
};

// The position file holds three CR LF lines: "[Position]", the left edge and
// the top edge, each number written with a leading blank (or its minus sign)
// and one trailing blank: "[Position]\r\n 1440 \r\n 720 \r\n".
QByteArray formatPositionFile(WindowPosition position);

// Reads the bytes of a position file. Line 1 is skipped unseen, lines 2 and 3
// must each be one number with optional blanks around it, anything after line
// 3 is never looked at. Lines may end in CR LF, LF or a lone CR. A number may
// carry a decimal fraction, rounded to whole twips with an exact half going
// to the even neighbour. Anything else, or a value beyond the signed 32-bit
// range, gives nothing. `truncated` says that the bytes are only the start of
// a longer file, so a last line without its line end is incomplete.
std::optional<WindowPosition> parsePositionFile(QByteArrayView bytes, bool truncated = false);

// Reads a number line on its own; exposed for the tests.
std::optional<qint32> parsePositionNumber(QByteArrayView line);

// Reads the position file at `path`. A path with no ordinary file (nothing
// there, a directory, a device, a pipe) or a file that cannot be read as
// above gives nothing; no more than the first 64 KiB are ever read.
std::optional<WindowPosition> readPositionFile(const QString &path);

// Replaces the file at `path` with the position, atomically: the bytes go to
// a temporary file beside it that is renamed over the old one, so a failed or
// interrupted write leaves the old file as it was. Only an ordinary file is
// replaced or made: a device, a pipe or a folder in its place (or a link to
// one) is left exactly as it is. Returns false when nothing was written.
bool writePositionFile(const QString &path, WindowPosition position);

} // namespace velmarit
