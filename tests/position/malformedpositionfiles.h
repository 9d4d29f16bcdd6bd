// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// Position files that cannot be read as three lines with two numbers; every
// one of them must give the position (0, 0).
inline QList<QPair<const char *, QByteArray>> malformedPositionFiles()
{
    QByteArray garbage;
    for (int i = 0; i < 512; ++i)
        garbage += char((i * 37 + 11) % 256);

    return {
        {"empty file", ""},
        {"header only", "[Position]\r\n"},
        {"top line missing", "[Position]\r\n 1440 \r\n"},
        {"top line empty", "[Position]\r\n 1440 \r\n\r\n"},
        {"left not a number", "[Position]\r\n abc \r\n 720 \r\n"},
        {"unit after number", "[Position]\r\n 1440px \r\n 720 \r\n"},
        {"two numbers on a line", "[Position]\r\n 1440 720 \r\n 720 \r\n"},
        {"blank inside number", "[Position]\r\n 1 440 \r\n 720 \r\n"},
        {"thousands separator", "[Position]\r\n 1,440 \r\n 720 \r\n"},
        {"decimal comma", "[Position]\r\n 1440 \r\n 720,5 \r\n"},
        {"exponent", "[Position]\r\n 1E3 \r\n 720 \r\n"},
        {"hex prefix", "[Position]\r\n&H5A0\r\n 720 \r\n"},
        {"sign alone", "[Position]\r\n - \r\n 720 \r\n"},
        {"double sign", "[Position]\r\n--300 \r\n 720 \r\n"},
        {"point alone", "[Position]\r\n . \r\n 720 \r\n"},
        {"one above 32-bit range", "[Position]\r\n 2147483648 \r\n 720 \r\n"},
        {"one below 32-bit range", "[Position]\r\n 1440 \r\n-2147483649 \r\n"},
        {"rounds beyond range", "[Position]\r\n 2147483647.5 \r\n 720 \r\n"},
        {"hundred digits", "[Position]\r\n " + QByteArray(100, '9') + " \r\n 720 \r\n"},
        {"key names", "[Position]\r\nLeft=1440\r\nTop=720\r\n"},
        {"NUL inside number", QByteArray("[Position]\r\n 14") + '\0' + "40 \r\n 720 \r\n"},
        {"fullwidth digits", "[Position]\r\n \xef\xbc\x91 \r\n 720 \r\n"},
        {"binary garbage", garbage},
        {"numbers on lines 1 and 2", " 1440 \r\n 720 \r\n"},
    };
}
