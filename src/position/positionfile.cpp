// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "position/positionfile.h"

#include "atomicwrite/atomicwrite.h"
#include "codes/roundeddecimal.h"

#include <QFile>
#include <QFileInfo>

#include <limits>
#include <string_view>

namespace velmarit {

namespace {

// Three short lines fit many times over; a longer file is only read this far.
constexpr qint64 kMaxBytesRead = 64 * 1024;

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
    const auto blank = [&](qsizetype i) { return line[i] == ' ' || line[i] == '\t'; };
    qsizetype start = 0;
    while (start < line.size() && blank(start))
        ++start;
    const std::string_view rest(line.data() + start, static_cast<std::size_t>(line.size() - start));
    const RoundedDecimal number = readRoundedDecimal(rest);
    if (!number.hasDigits)
        return std::nullopt;

    qsizetype i = start + static_cast<qsizetype>(number.end);
    while (i < line.size() && blank(i))
        ++i;
    if (i != line.size())
        return std::nullopt;

    if (number.value < std::numeric_limits<qint32>::min() ||
        number.value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(number.value);
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
    return !path.isEmpty() && !writeFileAtomically(path, formatPositionFile(position));
}

} // namespace velmarit
