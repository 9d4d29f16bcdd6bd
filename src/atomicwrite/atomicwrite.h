// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velmarit {

// Why a file could not be replaced.
struct AtomicWriteFailure
{
    // False when not even the temporary file beside the target could be made.
    bool opened = false;
    // The system's reason, in the language of the running Qt; empty when
    // the target is no ordinary file, which the caller says in its words.
    QString reason;
    bool notAFile = false;
};

// Replaces the file at `path` with `bytes`, whole or not at all: the bytes go
// to a temporary file beside it that is renamed over the old one, so a failed
// or interrupted write (a full disk, a quota) leaves the old file as it was.
// Only an ordinary file is replaced (a symbolic link to one keeps pointing to
// it), or a new one made; anything else there (a folder, a device, a pipe, a
// link to one of them) is left as it is and counts as a failure. Nothing on
// success.
std::optional<AtomicWriteFailure> writeFileAtomically(const QString &path, QByteArrayView bytes);

} // namespace velmarit
