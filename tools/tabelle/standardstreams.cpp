// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standardstreams.h"

namespace velmarit {

QByteArray windowsFileBytes(const QString &text, OutputForm form)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray bytes;
    bytes.reserve(utf8.size() + utf8.count('\n') + 3);
    if (form == OutputForm::Csv)
        bytes.append("\xEF\xBB\xBF");
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r'))
            bytes.append('\r');
        bytes.append(utf8[i]);
    }
    return bytes;
}

} // namespace velmarit
