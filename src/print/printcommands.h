// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/tablechoice.h"
#include "sheets/sheetpainter.h"

class QPrinter;
class QWidget;

namespace velmarit {

// The printing commands behind the window's context menu, in the window's
// language. The table choice made in one dialog is offered again in the
// next, for the rest of the run.
class PrintCommands
{
public:
    // Speaks `language`, which outlives the commands.
    explicit PrintCommands(const Texts &language = texts::german) : m_texts(language) {}

    // The print dialog, with a choice of tables, then the print service.
    void print(QWidget *parent);
    // The preview of exactly the pages that would print; it can print them.
    void preview(QWidget *parent);
    // A file dialog for the name, then the PDF, complete or not at all; a
    // failure is shown in a message box.
    void savePdf(QWidget *parent);

    TableChoice choice() const { return m_choice; }
    void setChoice(TableChoice choice) { m_choice = choice; }

    // The chosen tables onto `printer`, within the page range it carries.
    // False when nothing was painted.
    bool paint(QPrinter &printer) const;

    // "Velmarit 2.0.3" at the top of every page, the pages' words in the
    // commands' language.
    SheetHeading heading() const;
    // Where the file dialog starts: "Velmarit-Codiertabellen.pdf" (in the
    // commands' language) in the user's documents folder.
    QString suggestedPdfPath() const;

private:
    const Texts &m_texts;
    TableChoice m_choice = TableChoice::All;
};

} // namespace velmarit
