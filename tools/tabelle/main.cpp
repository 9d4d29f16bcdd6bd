// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// velmarit-tabelle: prints the coding tables of the three decoder kinds, as
// aligned text for paper, as CSV for spreadsheets or as a PDF with a drawing
// of the switch block in every row. It only reads the decoder codes; it
// shares no state with the window program.

#include "consolestart.h"
#include "csvformat.h"
#include "germanparsertexts.h"
#include "pdfapplication.h"
#include "sheets/pdffile.h"
#include "pdfrequest.h"
#include "standardstreams.h"
#include "tables/codingtable.h"
#include "textlayout.h"
#include "texttable.h"

#include <cstdio>
#include <memory>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <vector>

namespace {

// Wrong use of the command line, as opposed to a failure to write (1).
constexpr int usageError = 2;

bool writeOut(const QString &text, velmarit::OutputForm form = velmarit::OutputForm::Text)
{
    return velmarit::writeStandardOutput(text, form);
}

void writeErr(const QString &text)
{
    velmarit::writeStandardError(text);
}

int usageFailure(const QString &message)
{
    const QString program = QCoreApplication::applicationName();
    writeErr(QStringLiteral("%1: %2\nHilfe: %1 --help\n").arg(program, message));
    return usageError;
}

} // namespace

int main(int argc, char *argv[])
{
    // Started by a double click, the tables would scroll past in a console
    // that closes as soon as they are written: say what the program is for
    // and let the user read it.
    if (velmarit::startedInOwnConsole()) {
        velmarit::writeStandardOutput(velmarit::ownConsoleNotice(), velmarit::OutputForm::Text);
        velmarit::waitForKeyPress();
        return 0;
    }

    const QString pdfOptionName = QStringLiteral("pdf");
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    // Only the PDF needs fonts and so a GUI application; text and CSV run
    // with Qt Core alone, on any console.
    const std::unique_ptr<QCoreApplication> app =
        velmarit::asksForOption(rawArguments, pdfOptionName)
            ? velmarit::createPdfApplication(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmarit-tabelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMARIT_VERSION));
    velmarit::GermanParserTexts germanTexts;
    QCoreApplication::installTranslator(&germanTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Gibt die Codiertabellen der DIP-Schalter aus: Lok-Adressen 1 bis 80, die 15\n"
        "Delta-Adressen und die Weichenadressen 1 bis 256. Ohne Angabe einer Tabelle\n"
        "werden alle drei ausgegeben. Der Text passt je Seite auf ein A4-Blatt; die\n"
        "Seiten sind durch Seitenvorschübe getrennt. Mit --pdf entsteht stattdessen\n"
        "ein PDF, das in jeder Zeile den Schalterblock zeigt (Hebel oben = ON)."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption csvOption(
        QStringLiteral("csv"),
        QStringLiteral("CSV (durch Komma getrennt) für Tabellenkalkulationen statt Text zum "
                       "Drucken."));
    parser.addOption(csvOption);
    const QCommandLineOption pdfOption(
        pdfOptionName,
        QStringLiteral("Die Tabellen als PDF (A4, mit Bild des Schalterblocks je Zeile) in die "
                       "Datei <datei> schreiben statt Text auszugeben."),
        QStringLiteral("datei"));
    parser.addOption(pdfOption);
    parser.addPositionalArgument(QStringLiteral("tabelle"),
                                 QStringLiteral("Nur diese Tabelle(n): lok, delta, weichen."),
                                 QStringLiteral("[tabelle...]"));

    if (!parser.parse(QCoreApplication::arguments())) {
        // The parser names unknown options without their dashes; show them as typed.
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            QStringList shown;
            for (const QString &name : unknown)
                shown.append(QStringLiteral("„%1%2“").arg(name.size() == 1 ? u"-" : u"--", name));
            return usageFailure((unknown.size() == 1 ? QStringLiteral("Unbekannte Option %1.")
                                                     : QStringLiteral("Unbekannte Optionen %1."))
                                    .arg(shown.join(QStringLiteral(", "))));
        }
        return usageFailure(parser.errorText());
    }
    // --help-all comes with the parser's help option; without Qt options of
    // its own to list, this program treats it like --help.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return writeOut(parser.helpText()) ? 0 : 1;
    if (parser.isSet(versionOption)) {
        return writeOut(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion()))
                   ? 0
                   : 1;
    }

    QList<velmarit::TableKind> kinds;
    for (const QString &name : parser.positionalArguments()) {
        const auto kind = velmarit::tableKindFromName(name.toStdString());
        if (!kind) {
            return usageFailure(
                QStringLiteral("Unbekannte Tabelle „%1“. Möglich sind: lok, delta, weichen.")
                    .arg(name));
        }
        if (!kinds.contains(*kind))
            kinds.append(*kind);
    }
    if (kinds.isEmpty())
        kinds = {velmarit::TableKind::Lok, velmarit::TableKind::Delta,
                 velmarit::TableKind::Weichen};

    const bool csv = parser.isSet(csvOption);
    if (parser.isSet(pdfOption)) {
        if (csv)
            return usageFailure(QStringLiteral("--csv und --pdf schließen sich aus."));
        const QStringList paths = parser.values(pdfOption);
        if (paths.size() > 1)
            return usageFailure(QStringLiteral("--pdf nur einmal angeben."));
        if (paths.constFirst().isEmpty())
            return usageFailure(QStringLiteral("Nach --pdf fehlt der Dateiname."));
        std::vector<velmarit::CodingTable> tables;
        for (const auto kind : kinds)
            tables.push_back(velmarit::codingTable(kind));
        const QString failure = velmarit::writePdfFile(
            paths.constFirst(), tables,
            {QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                         QCoreApplication::applicationVersion())});
        if (!failure.isEmpty()) {
            writeErr(QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), failure));
            return 1;
        }
        return 0;
    }
    QStringList sections;
    for (const auto kind : kinds) {
        const auto table = velmarit::textTable(velmarit::codingTable(kind));
        sections.append(csv ? velmarit::formatCsv(table) : velmarit::formatText(table));
    }
    // Text sections each start on a new sheet; CSV tables are set apart by an
    // empty line, which spreadsheets import as an empty row.
    const QString output = sections.join(csv ? QStringLiteral("\n") : QStringLiteral("\f"));
    if (!writeOut(output, csv ? velmarit::OutputForm::Csv : velmarit::OutputForm::Text)) {
        writeErr(QStringLiteral("%1: Ausgabe fehlgeschlagen.\n")
                     .arg(QCoreApplication::applicationName()));
        return 1;
    }
    return 0;
}
