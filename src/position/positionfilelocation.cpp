// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "position/positionfilelocation.h"

#include "position/installlocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmarit {

namespace {

QString fileIn(const QString &dir)
{
    return QDir(dir).filePath(QString::fromLatin1(kPositionFileName));
}

bool canKeepFileIn(const QString &dir)
{
    if (!isDirectoryWritable(dir))
        return false;
    const QString file = fileIn(dir);
    return !QFileInfo(file).isFile() || isFileWritable(file);
}

} // namespace

QString positionFileIn(const QString &dir)
{
    return dir.isEmpty() ? QString() : fileIn(dir);
}

PositionFileLocation choosePositionFileLocation(const QString &programDir, bool programDirWritable,
                                                const QString &configDir, bool configFileExists)
{
    const QString beside = programDir.isEmpty() ? QString() : fileIn(programDir);
    if ((programDirWritable && !programDir.isEmpty()) || configDir.isEmpty())
        return {beside, beside};

    const QString inConfig = fileIn(configDir);
    return {configFileExists || beside.isEmpty() ? inConfig : beside, inConfig};
}

PositionFileLocation locatePositionFile(const QString &programDir, const QString &configDir)
{
    const bool configFileExists = !configDir.isEmpty() && QFileInfo(fileIn(configDir)).isFile();
    // An installed program neither writes its folder nor reads a file found
    // there: one left by an earlier run as root would give every user root's
    // position.
    const QString ownDir = isSystemInstallation(programDir) ? QString() : programDir;
    return choosePositionFileLocation(ownDir, canKeepFileIn(ownDir), configDir, configFileExists);
}

QString defaultProgramDir()
{
    return QCoreApplication::applicationDirPath();
}

QString defaultConfigDir()
{
    const QString base = userSettingsBaseDir();
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("Velmarit"));
}

} // namespace velmarit
