// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheettable.h"

#include <QList>
#include <QString>

class QIODevice;

// The coding tables as a PDF: A4 portrait, vector drawings of the switch
// blocks, the text set in an embedded font so that it can be searched and
// copied. Needs a QGuiApplication (for the fonts), but no display.
namespace velmarit {

// The line at the top of every page names the program and its version.
struct PdfHeading
{
    QString program; // "velmarit-tabelle 2.0.3"
};

// Writes the PDF into `device`, which must be open for writing. False when
// nothing could be painted; a failed write is the device's to report.
bool paintPdf(QIODevice *device, const QList<SheetTable> &tables, const PdfHeading &heading);

// Writes the PDF to `path` through a temporary file beside it, renamed over
// `path` only when everything was written. Returns a German message when it
// failed, in which case no file (and no temporary one) was left; an older
// file of that name stays as it was. Returns an empty text on success.
QString writePdfFile(const QString &path, const QList<SheetTable> &tables,
                     const PdfHeading &heading);

// The font family the pages are set in: the first of the platform's choices
// that is installed.
QString pdfFontFamily();

} // namespace velmarit
