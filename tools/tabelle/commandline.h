// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/codingtable.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace velmarit {

// What a command line asks of velmarit-tabelle, checked in full before the
// program writes anything: a usage error never leaves half an output behind.
struct Request
{
    enum class Action {
        WriteTables,
        WriteText,  // the help or the version: `text`, to standard output
        UsageError, // `text` says what is wrong with the command line
    };
    enum class Form { Text, Csv, Pdf };

    Action action = Action::WriteTables;
    QString text{};
    Form form = Form::Text;
    std::vector<Decoder> tables{}; // in the order asked for, each once
    QString pdfFile{};
};

// Reads a whole command line, the program itself first, and answers in
// `language`. The help and the parser's own messages take the application's
// name and installed translators, so the application object comes first.
Request parseRequest(const QStringList &arguments, const Texts &language = texts::german);

// Whether the command line asks for a PDF (`--pdf` alone or as
// `--pdf=file`, before any "--" that ends the options). The program must know
// this before it creates its application object, that is before
// parseRequest() can run; parseRequest() still checks the line in full.
bool asksForPdf(const QStringList &arguments);

} // namespace velmarit
