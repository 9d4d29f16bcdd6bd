// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomicwrite/atomicwrite.h"

#include <QFileInfo>
#include <QSaveFile>

namespace velmarit {

std::optional<AtomicWriteFailure> writeFileAtomically(const QString &path, QByteArrayView bytes)
{
    // QSaveFile follows a symbolic link and renames its temporary file over
    // the link's target: a link to /dev/null, the usual way to switch a file
    // off, would replace the device itself for the superuser, and a pipe or
    // a device would become a plain file.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return AtomicWriteFailure{false, {}, true};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return AtomicWriteFailure{false, file.errorString(), false};
    // A short write is retried for the rest, which then fails with the
    // system's reason (a full disk, a size limit).
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.data() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    // QFileDevice buffers the write, and commit() in Qt 6.4 renames the file
    // into place even when flushing that buffer failed: flush first, and give
    // up while the old file is still untouched.
    if (written != bytes.size() || !file.flush() || !file.commit()) {
        AtomicWriteFailure failure{true, file.errorString(), false};
        file.cancelWriting();
        return failure;
    }
    return std::nullopt;
}

} // namespace velmarit
