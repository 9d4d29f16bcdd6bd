// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which program folders belong to the system, on Linux and other Unix
// systems.

#include "position/installlocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace velmarit {

namespace {

// Symbolic links resolved where the folder exists (/bin is /usr/bin on a
// merged /usr), so one folder has one name.
QString normalDir(const QString &dir)
{
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(dir) : canonical;
}

} // namespace

bool isSystemProgramDir(const QString &programDir, const QString &installBinDir)
{
    if (programDir.isEmpty())
        return false;
    // The program folders of the file system hierarchy: the distribution's
    // and the local administrator's. A build tree below /usr/src is not one
    // of them; /opt holds a folder of its own for each program.
    static const QStringList systemDirs{
        QStringLiteral("/usr/bin"),       QStringLiteral("/usr/sbin"),
        QStringLiteral("/usr/games"),     QStringLiteral("/usr/local/bin"),
        QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/local/games"),
        QStringLiteral("/bin"),           QStringLiteral("/sbin"),
    };
    const QString dir = normalDir(programDir);
    for (const QString &systemDir : systemDirs)
        if (dir == systemDir || dir == normalDir(systemDir))
            return true;
    return !installBinDir.isEmpty() && dir == normalDir(installBinDir);
}

bool isSystemInstallation(const QString &programDir)
{
    return isSystemProgramDir(programDir, QStringLiteral(VELMARIT_INSTALL_BINDIR));
}

} // namespace velmarit
