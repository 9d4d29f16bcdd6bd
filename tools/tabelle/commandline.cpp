// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <algorithm>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace velmarit {

namespace {

const QString pdfOptionName = QStringLiteral("pdf");

Request usageError(const QString &message)
{
    return {.action = Request::Action::UsageError, .text = message};
}

// The parser names unknown options without their dashes; they are shown as
// typed, so that the user finds them on the line.
QString unknownOptionsMessage(const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names)
        shown.append(QStringLiteral("„%1%2“").arg(name.size() == 1 ? u"-" : u"--", name));
    return (names.size() == 1 ? QStringLiteral("Unbekannte Option %1.")
                              : QStringLiteral("Unbekannte Optionen %1."))
        .arg(shown.join(QStringLiteral(", ")));
}

} // namespace

Request parseRequest(const QStringList &arguments)
{
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

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return usageError(unknown.isEmpty() ? parser.errorText() : unknownOptionsMessage(unknown));
    }
    // --help-all comes with the parser's help option; without Qt options of
    // its own to list, this program treats it like --help.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all")))
        return {.action = Request::Action::WriteText, .text = parser.helpText()};
    if (parser.isSet(versionOption)) {
        return {.action = Request::Action::WriteText,
                .text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion())};
    }

    Request request;
    for (const QString &name : parser.positionalArguments()) {
        const auto kind = decoderFromTableName(name.toStdString());
        if (!kind) {
            return usageError(
                QStringLiteral("Unbekannte Tabelle „%1“. Möglich sind: lok, delta, weichen.")
                    .arg(name));
        }
        if (std::find(request.tables.begin(), request.tables.end(), *kind) == request.tables.end())
            request.tables.push_back(*kind);
    }
    if (request.tables.empty())
        request.tables.assign(std::begin(allDecoders), std::end(allDecoders));

    const bool csv = parser.isSet(csvOption);
    if (parser.isSet(pdfOption)) {
        if (csv)
            return usageError(QStringLiteral("--csv und --pdf schließen sich aus."));
        const QStringList files = parser.values(pdfOption);
        if (files.size() > 1)
            return usageError(QStringLiteral("--pdf nur einmal angeben."));
        if (files.constFirst().isEmpty())
            return usageError(QStringLiteral("Nach --pdf fehlt der Dateiname."));
        request.form = Request::Form::Pdf;
        request.pdfFile = files.constFirst();
    } else if (csv) {
        request.form = Request::Form::Csv;
    }
    return request;
}

bool asksForPdf(const QStringList &arguments)
{
    const QString option = QStringLiteral("--") + pdfOptionName;
    // The first argument is the program itself.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QStringLiteral("--"))
            return false;
        if (argument == option || argument.startsWith(option + u'='))
            return true;
    }
    return false;
}

} // namespace velmarit
