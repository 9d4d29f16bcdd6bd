// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "position/positionfilelocation.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Makes a directory or a file unwritable for this process while it lives.
// Permission bits alone do not stop the superuser (as which CI runs). Then
// the calling thread moves into a mount namespace of its own and mounts the
// path over itself read-only, which binds root as well and leaves the
// system's view of it alone; where that is not allowed, the path is marked
// immutable. isReadOnly() says whether any of it worked.
//
// Only the calling thread sees the read-only mount: the code under test must
// write from that thread, as the program's does from its event loop.
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(const QString &path)
        : m_path(QFile::encodeName(path)), m_directory(QFileInfo(path).isDir())
    {
        const auto writable = [&] {
            return m_directory ? velmarit::isDirectoryWritable(path)
                               : velmarit::isFileWritable(path);
        };
        ::chmod(m_path.constData(), m_directory ? 0555 : 0444);
        if (writable())
            m_mounted = mountReadOnly();
        if (writable())
            m_immutable = setImmutable(true);
        m_readOnly = !writable();
    }
    ~ReadOnlyPath()
    {
        if (m_immutable)
            setImmutable(false);
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
        if (m_outerNamespace >= 0) {
            ::setns(m_outerNamespace, CLONE_NEWNS);
            ::close(m_outerNamespace);
        }
        ::chmod(m_path.constData(), m_directory ? 0755 : 0644);
    }
    ReadOnlyPath(const ReadOnlyPath &) = delete;
    ReadOnlyPath &operator=(const ReadOnlyPath &) = delete;

    bool isReadOnly() const { return m_readOnly; }

private:
    bool mountReadOnly()
    {
        m_outerNamespace = ::open("/proc/self/ns/mnt", O_RDONLY | O_CLOEXEC);
        if (m_outerNamespace < 0 || ::unshare(CLONE_NEWNS) != 0) {
            if (m_outerNamespace >= 0)
                ::close(m_outerNamespace);
            m_outerNamespace = -1;
            return false;
        }
        // Private first: a mount made here must not spread back into the
        // namespace the test was started in.
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) != 0)
            return false;
        if (::mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                    nullptr) != 0) {
            ::umount2(m_path.constData(), MNT_DETACH);
            return false;
        }
        return true;
    }

    bool setImmutable(bool on)
    {
        const int fd = ::open(m_path.constData(), O_RDONLY);
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
    bool m_directory = false;
    int m_outerNamespace = -1;
    bool m_mounted = false;
    bool m_immutable = false;
    bool m_readOnly = false;
};
