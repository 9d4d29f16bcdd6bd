// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/positionfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdint>
#include <limits>

namespace velmarit {

namespace {

// Three short lines fit many times over; a longer file is only read this far.
constexpr qint64 kMaxBytesRead = 64 * 1024;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

QByteArray numberLine(qint32 value)
{
    QByteArray line = value < 0 ? QByteArray() : QByteArray(" ");
    line += QByteArray::number(value);
    line += " \r\n";
    return line;
}

} // namespace

QByteArray formatPositionFile(WindowPosition position)
{
    return QByteArray("[Position]\r\n") + numberLine(position.left) + numberLine(position.top);
}

std::optional<qint32> parsePositionNumber(QByteArrayView line)
{
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n && isBlank(line[i]))
        ++i;

    bool negative = false;
    if (i < n && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }

    // One past the largest magnitude that can still be in range; anything
    // bigger is held there so that a long digit string cannot overflow.
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<qint32>::max()} + 2;
    std::int64_t magnitude = 0;
    int digits = 0;
    for (; i < n && isDigit(line[i]); ++i, ++digits)
        magnitude = std::min(kCap, magnitude * 10 + (line[i] - '0'));

    if (i < n && line[i] == '.') {
        ++i;
        // Round to nearest, an exact half to the even neighbour: only the
        // first fraction digit and whether any later digit is non-zero count.
        int first = -1;
        bool restNonZero = false;
        for (; i < n && isDigit(line[i]); ++i, ++digits) {
            if (first < 0)
                first = line[i] - '0';
            else if (line[i] != '0')
                restNonZero = true;
        }
        const bool up = first > 5 || (first == 5 && (restNonZero || magnitude % 2 == 1));
        if (up)
            magnitude = std::min(kCap, magnitude + 1);
    }
    if (digits == 0)
        return std::nullopt;

    while (i < n && isBlank(line[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

std::optional<WindowPosition> parsePositionFile(QByteArrayView bytes, bool truncated)
{
    QByteArrayView lines[3];
    qsizetype pos = 0;
    for (auto &line : lines) {
        if (pos >= bytes.size())
            return std::nullopt;
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end == bytes.size() && truncated)
            return std::nullopt;
        line = bytes.sliced(pos, end - pos);
        pos = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++pos;
    }

    const auto left = parsePositionNumber(lines[1]);
    const auto top = parsePositionNumber(lines[2]);
    if (!left || !top)
        return std::nullopt;
    return WindowPosition{*left, *top};
}

std::optional<WindowPosition> readPositionFile(const QString &path)
{
    // Only an ordinary file is read: opening a pipe or a device could block
    // or never end. A hidden file counts as absent on every platform, so the
    // window then opens at the corner.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.isHidden())
        return std::nullopt;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxBytesRead + 1);
    const bool truncated = bytes.size() > kMaxBytesRead;
    return parsePositionFile(QByteArrayView(bytes).first(std::min(bytes.size(), kMaxBytesRead)),
                             truncated);
}

bool writePositionFile(const QString &path, WindowPosition position)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = formatPositionFile(position);
    // QFileDevice buffers the write, and commit() in Qt 6.4 renames the file
    // into place even when flushing that buffer failed (a full disk): flush
    // here and give up while the old file is still untouched.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace velmarit
