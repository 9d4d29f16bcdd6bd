// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfrequest.h"

namespace velmarit {

bool asksForOption(const QStringList &arguments, const QString &name)
{
    const QString option = QStringLiteral("--") + name;
    // The first argument is the program itself.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QStringLiteral("--"))
            return false;
        if (argument == option || argument.startsWith(option + u'='))
            return true;
    }
    return false;
}

} // namespace velmarit
