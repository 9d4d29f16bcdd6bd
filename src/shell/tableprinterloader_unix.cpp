// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/tableprinterloader.h"

#include "position/installlocation.h"
#include "print/tableprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace velmarit {

QString printModulePath(const QString &programDir)
{
    const QString name = QStringLiteral("velmarit-print.so");
    // Only one place each: a build tree's program must not pick up an
    // installed module of another version, and an installed program must
    // not load whatever lies beside it in a folder shared with every other
    // program.
    if (isSystemInstallation(programDir))
        return QDir::cleanPath(QDir(programDir).filePath(
            QStringLiteral(VELMARIT_PRINT_MODULE_FROM_BINDIR "/") + name));
    return QDir(programDir).filePath(name);
}

TablePrinter *loadTablePrinter(QString *failure)
{
    using Entry = TablePrinter *(*)();
    static Entry entry = nullptr;
    if (entry != nullptr)
        return entry();

    const QString path = printModulePath(QCoreApplication::applicationDirPath());
    // Kept loaded until the program ends (a QLibrary does not unload on
    // destruction): the dialogs and the printer plugin stay in use.
    static QLibrary library;
    QString reason;
    if (QFileInfo::exists(path)) {
        library.setFileName(path);
        entry = reinterpret_cast<Entry>(library.resolve("velmaritTablePrinter"));
        if (entry != nullptr)
            return entry();
        reason = library.errorString();
    }
    if (failure != nullptr) {
        *failure = reason.isEmpty()
                       ? QStringLiteral("Der Druckteil von Velmarit (%1) wurde nicht gefunden.")
                             .arg(path)
                       : QStringLiteral("Der Druckteil von Velmarit ließ sich nicht laden (%1).")
                             .arg(reason);
    }
    return nullptr;
}

} // namespace velmarit
