// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomicwrite/atomicwrite.h"

#include <QSaveFile>

namespace velmarit {

std::optional<AtomicWriteFailure> writeFileAtomically(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return AtomicWriteFailure{false, file.errorString()};
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
        AtomicWriteFailure failure{true, file.errorString()};
        file.cancelWriting();
        return failure;
    }
    return std::nullopt;
}

} // namespace velmarit
