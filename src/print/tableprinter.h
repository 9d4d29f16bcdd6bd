// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace velmarit {

// The window's three printing commands. The code behind them (Qt's print
// support, the print service, the dialogs) is loaded only when one of them
// is first used, so that a start of the program never pays for printing; the
// window and the shell see only this interface.
class TablePrinter
{
public:
    virtual ~TablePrinter() = default;

    // The print dialog, with a choice of tables, then the print service.
    virtual void print(QWidget *parent) = 0;
    // The preview of exactly the pages that would print; it can print them.
    virtual void preview(QWidget *parent) = 0;
    // A file dialog for the name, then the PDF, complete or not at all; a
    // failure is shown in a message box.
    virtual void savePdf(QWidget *parent) = 0;
};

} // namespace velmarit

// The one entry point of the print module: the printer lives as long as the
// module does.
extern "C" velmarit::TablePrinter *velmaritTablePrinter();
