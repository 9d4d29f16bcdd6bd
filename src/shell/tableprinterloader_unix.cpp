// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/tableprinterloader.h"

#include "print/tableprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace velmarit {

TablePrinter *loadTablePrinter(QString *failure)
{
    using Entry = TablePrinter *(*)();
    static Entry entry = nullptr;
    if (entry != nullptr)
        return entry();

    // Beside the program first: a build tree's program must not pick up an
    // older installed module.
    const QString name = QStringLiteral("velmarit-print.so");
    const QStringList candidates{
        QDir(QCoreApplication::applicationDirPath()).filePath(name),
        QDir(QStringLiteral(VELMARIT_PRINT_MODULE_DIR)).filePath(name),
    };
    QStringList reasons;
    // Kept loaded until the program ends (a QLibrary does not unload on
    // destruction): the dialogs and the printer plugin stay in use.
    static QLibrary library;
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        library.setFileName(path);
        entry = reinterpret_cast<Entry>(library.resolve("velmaritTablePrinter"));
        if (entry != nullptr)
            return entry();
        reasons.append(library.errorString());
    }
    if (failure != nullptr) {
        *failure = reasons.isEmpty()
                       ? QStringLiteral("Der Druckteil von Velmarit (%1) wurde nicht gefunden.")
                             .arg(candidates.join(QStringLiteral(", ")))
                       : QStringLiteral("Der Druckteil von Velmarit ließ sich nicht laden (%1).")
                             .arg(reasons.join(QStringLiteral("; ")));
    }
    return nullptr;
}

} // namespace velmarit
