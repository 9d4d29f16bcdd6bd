// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// velmarit-tabelle: prints the coding tables of the three decoder kinds, as
// aligned text for paper, as CSV for spreadsheets or as a PDF with a drawing
// of the switch block in every row. It only reads the decoder codes; it
// shares no state with the window program.

#include "commandline.h"
#include "console.h"
#include "language/languagechoice.h"
#include "language/qtexts.h"
#include "outputforms.h"
#include "pdfapplication.h"
#include "sheets/pdffile.h"
#include "tables/codingtable.h"
#include "translations/qttexts.h"
#include "version/velmaritversion.h"

#include <memory>
#include <QCoreApplication>
#include <QStringList>
#include <vector>

namespace {

using velmarit::Request;

// Wrong use of the command line, as opposed to a failure to write (1).
constexpr int usageError = 2;

void writeFailure(const QString &message)
{
    velmarit::writeStandardError(
        QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), message));
}

int writePdf(const Request &request, const velmarit::Texts &language)
{
    std::vector<velmarit::CodingTable> tables;
    for (const auto kind : request.tables)
        tables.push_back(velmarit::codingTable(kind, language));
    const QString failure = velmarit::writePdfFile(
        request.pdfFile, tables,
        {QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                     QCoreApplication::applicationVersion()),
         &language});
    if (!failure.isEmpty()) {
        writeFailure(failure);
        return 1;
    }
    return 0;
}

int writeTables(const Request &request, const velmarit::Texts &language)
{
    const bool csv = request.form == Request::Form::Csv;
    QStringList sections;
    for (const auto kind : request.tables) {
        const velmarit::CodingTable table = velmarit::codingTable(kind, language);
        sections.append(csv ? velmarit::formatCsv(table)
                            : velmarit::formatText(table, {}, language));
    }
    // Text sections each start on a new sheet; CSV tables are set apart by an
    // empty line, which spreadsheets import as an empty row.
    const QString output = sections.join(csv ? QStringLiteral("\n") : QStringLiteral("\f"));
    if (!velmarit::writeStandardOutput(output, csv ? velmarit::OutputForm::Csv
                                                   : velmarit::OutputForm::Text)) {
        writeFailure(velmarit::toQString(language.tabelle.outputFailed));
        return 1;
    }
    return 0;
}

int run(const Request &request, const velmarit::Texts &language)
{
    switch (request.action) {
    case Request::Action::UsageError: {
        const QString program = QCoreApplication::applicationName();
        velmarit::writeStandardError(
            QStringLiteral("%1: %2\n%3\n")
                .arg(program, request.text,
                     velmarit::filled(language.tabelle.help, {{"program", program}})));
        return usageError;
    }
    case Request::Action::WriteText:
        return velmarit::writeStandardOutput(request.text, velmarit::OutputForm::Text) ? 0 : 1;
    case Request::Action::WriteTables:
        break;
    }
    return request.form == Request::Form::Pdf ? writePdf(request, language)
                                              : writeTables(request, language);
}

} // namespace

int main(int argc, char *argv[])
{
    // The system says which language the user reads, for the help, the
    // messages and the tables; LANG=C gives the German ones.
    const velmarit::Texts &language = velmarit::systemTexts();
    // Started by a double click, the tables would scroll past in a console
    // that closes as soon as they are written: say what the program is for
    // (the window prints them, so the note points there first) and let the
    // user read it.
    if (velmarit::startedInOwnConsole()) {
        velmarit::writeStandardOutput(velmarit::toQString(language.tabelle.ownConsole),
                                      velmarit::OutputForm::Text);
        velmarit::waitForKeyPress();
        return 0;
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Only the PDF needs fonts and so a GUI application; text and CSV run
    // with Qt Core alone, on any console.
    const std::unique_ptr<QCoreApplication> app =
        velmarit::asksForPdf(arguments) ? velmarit::createPdfApplication(argc, argv)
                                        : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmarit-tabelle"));
    QCoreApplication::setApplicationVersion(QLatin1String(velmarit::version::kVersion));
    // The help's headings and the parser's messages in the same language, as
    // the window's dialogs.
    velmarit::installQtTexts(language);

    return run(velmarit::parseRequest(QCoreApplication::arguments(), language), language);
}
