// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace velmarit {

// The time that SOURCE_DATE_EPOCH names (seconds since 1970, UTC), the
// convention by which builds and packages ask a program for reproducible
// output; nothing when the value is empty or not a plain count of seconds.
std::optional<QDateTime> sourceDateEpoch(const QByteArray &value);

// The PDF with its creation date (Qt writes the moment it was made, in
// local time) set to `time`, in UTC. The date keeps its length, so the
// file's byte offsets stay valid. A PDF without a date in Qt's form is
// returned as it was.
QByteArray withCreationDate(QByteArray pdf, const QDateTime &time);

} // namespace velmarit
