// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "language/qtexts.h"

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
QString unknownOptionsMessage(const QStringList &names, const Texts::TabelleTexts &says)
{
    QStringList shown;
    for (const QString &name : names) {
        shown.append(filled(
            says.quoted,
            {{"text", (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name}}));
    }
    return filled(names.size() == 1 ? says.unknownOption : says.unknownOptions,
                  {{"options", shown.join(QStringLiteral(", "))}});
}

} // namespace

Request parseRequest(const QStringList &arguments, const Texts &language)
{
    const auto &says = language.tabelle;
    QCommandLineParser parser;
    parser.setApplicationDescription(toQString(says.description));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption csvOption(QStringLiteral("csv"), toQString(says.csv));
    parser.addOption(csvOption);
    const QString file = toQString(says.file);
    const QCommandLineOption pdfOption(pdfOptionName, filled(says.pdf, {{"file", file}}), file);
    parser.addOption(pdfOption);
    const QString table = toQString(says.table);
    parser.addPositionalArgument(table, toQString(says.onlyTables),
                                 QStringLiteral("[%1...]").arg(table));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return usageError(unknown.isEmpty() ? parser.errorText()
                                            : unknownOptionsMessage(unknown, says));
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
            return usageError(filled(says.unknownTable, {{"name", name}}));
        }
        if (std::find(request.tables.begin(), request.tables.end(), *kind) == request.tables.end())
            request.tables.push_back(*kind);
    }
    if (request.tables.empty())
        request.tables.assign(std::begin(allDecoders), std::end(allDecoders));

    const bool csv = parser.isSet(csvOption);
    if (parser.isSet(pdfOption)) {
        if (csv)
            return usageError(toQString(says.csvAndPdf));
        const QStringList files = parser.values(pdfOption);
        if (files.size() > 1)
            return usageError(toQString(says.pdfTwice));
        if (files.constFirst().isEmpty())
            return usageError(toQString(says.pdfWithoutFile));
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
