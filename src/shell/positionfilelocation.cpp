// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/positionfilelocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velmarit {

namespace {

QString fileIn(const QString &dir)
{
    return QDir(dir).filePath(QString::fromLatin1(kPositionFileName));
}

} // namespace

PositionFileLocation choosePositionFileLocation(const QString &programDir, bool programDirWritable,
                                                const QString &configDir, bool configFileExists)
{
    const QString beside = programDir.isEmpty() ? QString() : fileIn(programDir);
    if ((programDirWritable && !programDir.isEmpty()) || configDir.isEmpty())
        return {beside, beside};

    const QString inConfig = fileIn(configDir);
    return {configFileExists || beside.isEmpty() ? inConfig : beside, inConfig};
}

bool isDirectoryWritable(const QString &dir)
{
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.isDir())
        return false;
#ifdef Q_OS_UNIX
    // access() also refuses the superuser on a read-only mount or an
    // immutable directory, where the permission bits would say yes.
    return ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK | X_OK) == 0;
#else
    return info.isWritable();
#endif
}

PositionFileLocation locatePositionFile(const QString &programDir, const QString &configDir)
{
    const bool configFileExists = !configDir.isEmpty() && QFileInfo(fileIn(configDir)).isFile();
    return choosePositionFileLocation(programDir, isDirectoryWritable(programDir), configDir,
                                      configFileExists);
}

QString defaultProgramDir()
{
    return QCoreApplication::applicationDirPath();
}

QString defaultConfigDir()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("Velmarit"));
}

} // namespace velmarit
