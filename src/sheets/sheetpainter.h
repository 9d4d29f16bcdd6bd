// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/codingtable.h"
#include "texts/texts.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPagedPaintDevice;

// The coding tables on paper: every row with its address, a drawing of the
// decoder's switch block and the switches as text; each table starts on a
// new page, every page carries the program line and "Seite n von m" (in the
// language of the sheets' texts).
//
// The pages are designed for A4 portrait. On any other paper, or where a
// printer cannot print up to the design's margins, the whole design is
// scaled down evenly and centred in the printable area: nothing is cut off
// and the drawings keep their proportions. On A4 with room for the margins it
// is printed at its true size, in the same place as in the PDF.
namespace velmarit {

struct SheetHeading
{
    QString program; // at the top right of every page, e.g. "velmarit-tabelle 2.0.3"
    // The language of the words around the tables: the document's title,
    // the legend, the page numbers. The tables bring their own texts.
    const Texts *language = &texts::german;
};

// How many pages the tables make (the same on every device).
int sheetPageCount(const std::vector<CodingTable> &tables, const Texts &language = texts::german);

// Paints the pages `first` to `last` (counted from 1 over all tables; a
// `last` of 0 or beyond the end means the last page) onto `device`, which
// must not have a painter yet. Needs a QGuiApplication for the fonts. False
// when no page lies in the range, no font can show the text or the device
// could not be painted on.
bool paintSheets(QPagedPaintDevice &device, const std::vector<CodingTable> &tables,
                 const SheetHeading &heading, int first = 1, int last = 0);

// The document's title, at the top left of every page and in a PDF file's
// properties.
QString sheetDocumentTitle(const Texts &language);

// The font families the pages are designed for, the one asked for first
// first.
QStringList sheetFontList();

// The font family the pages of `tables` are set in, with the words of
// `language` around them: the first of sheetFontList() that is installed,
// else the first installed family with every character the pages show (the
// system's usual font first). Nothing when no font has them all.
std::optional<QString> sheetFontFamily(const std::vector<CodingTable> &tables,
                                       const Texts &language);

} // namespace velmarit
