// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The position file is the one file the program reads that anybody may have
// written. Whatever it holds, the reader gives a position or nothing (the
// window then opens at (0, 0)), and a position it gives is the numbers of
// lines 2 and 3 rounded to whole twips.

#include "position/positionfile.h"

#include "fuzzcheck.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using velmarit::formatPositionFile;
using velmarit::parsePositionFile;
using velmarit::WindowPosition;

namespace {

struct Line
{
    std::string_view text;
    bool ended = false; // a line end follows it
};

// The first `count` lines as a reader of the file sees them: each ends in
// CR LF, LF or a lone CR; an empty remainder after the last line end is no line.
std::vector<Line> firstLines(std::string_view bytes, std::size_t count)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (lines.size() < count && pos < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        lines.push_back({bytes.substr(pos, end - pos), end < bytes.size()});
        pos = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++pos;
    }
    return lines;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<WindowPosition> parse(std::string_view bytes, bool truncated = false)
{
    return parsePositionFile(QByteArrayView(bytes.data(), qsizetype(bytes.size())), truncated);
}

// A number the reader took must be a decimal the C library reads whole, and
// the reader's value that decimal rounded to the nearest whole twip.
void checkReadNumber(std::string_view line, qint32 value)
{
    const std::string text(trimmed(line));
    FUZZ_REQUIRE(!text.empty());
    char *end = nullptr;
    const long double exact = std::strtold(text.c_str(), &end);
    FUZZ_REQUIRE(end == text.c_str() + text.size());
    FUZZ_REQUIRE(std::isfinite(exact));
    const long double off = std::fabs(exact - static_cast<long double>(value));
    FUZZ_REQUIRE(off <= 0.5L + 1e-9L);
    // An exact half goes to the even neighbour; only texts short enough for
    // strtold to hold every digit can show that a half is exact.
    if (off == 0.5L && text.size() <= 18)
        FUZZ_REQUIRE(value % 2 == 0);
}

// An optional sign and one to nine digits: always in range, always read.
std::optional<qint32> plainInteger(std::string_view line)
{
    std::string_view text = trimmed(line);
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos)
        return std::nullopt;
    qint32 value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return negative ? -value : value;
}

// The bytes the program writes for a position (the file holds exactly these)
// must read back as that position, whole or as the start of a longer file.
void checkWritten(WindowPosition position)
{
    const QByteArray bytes = formatPositionFile(position);
    FUZZ_REQUIRE(bytes.startsWith("[Position]\r\n") && bytes.endsWith(" \r\n"));
    FUZZ_REQUIRE(bytes.count('\n') == 3 && bytes.count('\r') == 3);
    FUZZ_REQUIRE(parsePositionFile(bytes) == position);
    FUZZ_REQUIRE(parsePositionFile(bytes + "[Position]", true) == position);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string_view bytes = textOf(data, size);
    const std::optional<WindowPosition> position = parse(bytes);
    const std::vector<Line> lines = firstLines(bytes, 3);

    if (position) {
        FUZZ_REQUIRE(lines.size() == 3);
        checkReadNumber(lines[1].text, position->left);
        checkReadNumber(lines[2].text, position->top);

        // Whatever the first line says, however the lines end, whatever
        // blanks stand around the numbers and whatever follows line 3: the
        // same position.
        const std::string same = "anything\n\t" + std::string(lines[1].text) + " \r" +
                                 std::string(lines[2].text) + "\t\r\n" + std::string(bytes);
        FUZZ_REQUIRE(parse(same) == position);

        checkWritten(*position);
    }

    // Numbers written plainly are never refused.
    if (lines.size() == 3) {
        const auto left = plainInteger(lines[1].text);
        const auto top = plainInteger(lines[2].text);
        if (left && top)
            FUZZ_REQUIRE(position == (WindowPosition{*left, *top}));
    }

    // Only the start of a longer file: the same, except that a last line
    // without its line end may be cut short and so gives nothing.
    const bool complete = lines.size() == 3 && lines[2].ended;
    FUZZ_REQUIRE(parse(bytes, true) == (complete ? position : std::nullopt));

    // Any two 32-bit numbers as a position the program writes.
    if (size >= 8) {
        WindowPosition written;
        std::memcpy(&written.left, data, 4);
        std::memcpy(&written.top, data + 4, 4);
        checkWritten(written);
    }
    return 0;
}
