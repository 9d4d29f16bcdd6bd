// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/positionfilelocation.h"

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// Makes a directory unwritable for this process while it lives. Permission
// bits alone do not stop the superuser (as which CI runs), so then the
// directory is also marked immutable. isReadOnly() says whether it worked.
class ReadOnlyDirectory
{
public:
    explicit ReadOnlyDirectory(const QString &path) : m_path(QFile::encodeName(path))
    {
        ::chmod(m_path.constData(), 0555);
        if (velmarit::isDirectoryWritable(path))
            m_immutable = setImmutable(true);
        m_readOnly = !velmarit::isDirectoryWritable(path);
    }
    ~ReadOnlyDirectory()
    {
        if (m_immutable)
            setImmutable(false);
        ::chmod(m_path.constData(), 0755);
    }
    ReadOnlyDirectory(const ReadOnlyDirectory &) = delete;
    ReadOnlyDirectory &operator=(const ReadOnlyDirectory &) = delete;

    bool isReadOnly() const { return m_readOnly; }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    QByteArray m_path;
    bool m_immutable = false;
    bool m_readOnly = false;
};
