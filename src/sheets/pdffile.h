// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheets/sheetpainter.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The coding tables as a PDF: A4 portrait, vector drawings of the switch
// blocks, the text set in an embedded font so that it can be searched and
// copied. Needs a QGuiApplication (for the fonts), but no display.
namespace velmarit {

// The whole document in memory; nothing when it could not be made.
std::optional<QByteArray> sheetsPdf(const std::vector<CodingTable> &tables,
                                    const SheetHeading &heading);

// Writes the PDF to `path` through a temporary file beside it, renamed over
// `path` only when everything was written. Returns a message in the
// heading's language when it failed, in which case no file (and no
// temporary one) was left; an older file of that name stays as it was.
// Returns an empty text on success.
QString writePdfFile(const QString &path, const std::vector<CodingTable> &tables,
                     const SheetHeading &heading);

} // namespace velmarit
