// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace velmarit {

// What is being written: CSV may need a different file form than text.
enum class OutputForm { Text, Csv };

// Writes the program's output to standard output in the form the system's
// users expect (see the platform files). Returns false when the text did not
// reach its destination (a full disk, a closed pipe).
bool writeStandardOutput(const QString &text, OutputForm form);

// Writes a message to standard error.
void writeStandardError(const QString &text);

// The bytes a Windows user expects in a file: UTF-8 with CR LF line ends, and
// for CSV a byte order mark in front, without which spreadsheets read the
// file in the old ANSI code page and garble the umlauts. Line ends already
// written as CR LF stay single.
QByteArray windowsFileBytes(const QString &text, OutputForm form);

} // namespace velmarit
