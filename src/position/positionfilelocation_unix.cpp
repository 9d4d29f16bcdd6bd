// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the position file may live, on Linux and other Unix systems.

#include "position/positionfilelocation.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace velmarit {

bool isDirectoryWritable(const QString &dir)
{
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.isDir())
        return false;
    // access() also refuses the superuser on a read-only mount or an
    // immutable directory, where the permission bits would say yes.
    return ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK | X_OK) == 0;
}

bool isFileWritable(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() &&
           ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) == 0;
}

QString userSettingsBaseDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace velmarit
