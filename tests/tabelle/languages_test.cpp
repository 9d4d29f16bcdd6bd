// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// velmarit-tabelle in the language the system asks for: the help, the
// messages, the text's titles, the CSV's column heads (the same columns in
// the same order) and the PDF's words, with no German word left in English,
// Dutch or French; German for C, no locale and any other language.

#include "germanwords.h"
#include "pdfwords.h"
#include "programrun.h"

#include "language/qtexts.h"
#include "texts/texts.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace velmarit;
using namespace velmarit::test;

namespace {

struct LanguageCase
{
    const char *name;
    QStringList environment;
    const Texts *language;
};

void PrintTo(const LanguageCase &c, std::ostream *os)
{
    *os << c.name;
}

QString columnHeads(const auto &table)
{
    QStringList heads;
    for (const std::string_view column : table.columns)
        heads << toQString(column);
    return heads.join(u',');
}

class Languages : public ::testing::TestWithParam<LanguageCase>
{
protected:
    ProgramRun run(const QStringList &arguments) const
    {
        return runTabelle(arguments, {.environment = environmentIn(GetParam().environment)});
    }
    const Texts &texts() const { return *GetParam().language; }
    QString lang() const { return toQString(texts().lang); }
};

TEST_P(Languages, HelpAndMessages)
{
    const auto &says = texts().tabelle;
    const ProgramRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const QString &piece :
         {toQString(says.description).section(u'\n', 0, 0), toQString(says.onlyTables),
          QStringLiteral("--pdf <%1>").arg(toQString(says.file)),
          QStringLiteral("[%1...]").arg(toQString(says.table))})
        EXPECT_TRUE(help.out.contains(piece)) << piece.toStdString();

    const ProgramRun unknown = run({QStringLiteral("gleise")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err,
              QStringLiteral("velmarit-tabelle: %1\n%2\n")
                  .arg(filled(says.unknownTable, {{"name", QStringLiteral("gleise")}}),
                       filled(says.help, {{"program", QStringLiteral("velmarit-tabelle")}})));
    const ProgramRun both = run({QStringLiteral("--csv"), QStringLiteral("--pdf=x.pdf")});
    EXPECT_TRUE(both.err.contains(toQString(says.csvAndPdf))) << both.err.toStdString();
    EXPECT_EQ(germanWordsIn({help.out, unknown.err, both.err}, lang()).toStdString(), "");
}

TEST_P(Languages, TextAndCsv)
{
    const auto &tables = texts().library.tables;
    const ProgramRun text = run({QStringLiteral("weichen")});
    EXPECT_EQ(text.exitCode, 0);
    // Two pages of A4 in every language: the title names both.
    const QString page = filled(
        texts().sheets.page, {{"page", QStringLiteral("1")}, {"pages", QStringLiteral("(\\d+)")}});
    EXPECT_TRUE(text.out.section(u'\n', 0, 0)
                    .startsWith(toQString(tables.Weichen.title) + QStringLiteral(" (") +
                                page.section(u'(', 0, 0)))
        << text.out.section(u'\n', 0, 0).toStdString();
    EXPECT_EQ(text.out.section(u'\n', 1, 1), toQString(texts().tabelle.text.Weichen.note));

    const ProgramRun csv = run({QStringLiteral("--csv")});
    EXPECT_EQ(csv.exitCode, 0);
    const QStringList sections = csv.out.split(QStringLiteral("\n\n"));
    ASSERT_EQ(sections.size(), 3);
    EXPECT_EQ(sections.at(0).section(u'\n', 0, 0), columnHeads(tables.Digital));
    EXPECT_EQ(sections.at(1).section(u'\n', 0, 0), columnHeads(tables.Delta));
    EXPECT_EQ(sections.at(2).section(u'\n', 0, 0), columnHeads(tables.Weichen));
    // The analog row, the Delta table's last, in the language's words.
    EXPECT_TRUE(sections.at(1).endsWith(QStringLiteral("\n%1,%2").arg(
        toQString(texts().library.words.analog), toQString(texts().library.words.noSwitchOn))));
    EXPECT_EQ(germanWordsIn({text.out, csv.out}, lang()).toStdString(), "");
}

TEST_P(Languages, Pdf)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("tables.pdf"));
    const ProgramRun written = run({QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    const QString words = pdfWords(pdf);
    for (const QString &piece :
         {toQString(texts().sheets.title), toQString(texts().sheets.block),
          toQString(texts().library.tables.Weichen.columns[1]),
          filled(texts().sheets.page,
                 {{"page", QStringLiteral("11")}, {"pages", QStringLiteral("11")}}),
          filled(texts().sheets.continued,
                 {{"title", toQString(texts().library.tables.Digital.title)}})})
        EXPECT_TRUE(words.simplified().contains(piece.simplified())) << piece.toStdString();
    const QRegularExpression title(QStringLiteral("^Title: +") +
                                       QRegularExpression::escape(toQString(texts().sheets.title)) +
                                       QStringLiteral("$"),
                                   QRegularExpression::MultilineOption);
    EXPECT_TRUE(title.match(popplerOutput(QStringLiteral("pdfinfo"), {pdf})).hasMatch());
    EXPECT_EQ(germanWordsIn({words}, lang()).toStdString(), "");

    const ProgramRun folder = run({QStringLiteral("--pdf"), dir.path()});
    EXPECT_EQ(folder.err, QStringLiteral("velmarit-tabelle: %1\n")
                              .arg(filled(texts().pdf.folder, {{"path", dir.path()}})));
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Languages,
    ::testing::Values(LanguageCase{"NoLocale", {}, &texts::de},
                      LanguageCase{"C", {"LANG=C.UTF-8"}, &texts::de},
                      LanguageCase{"German", {"LANG=de_DE.UTF-8"}, &texts::de},
                      LanguageCase{"Italian", {"LANG=it_IT.UTF-8"}, &texts::de},
                      LanguageCase{"English", {"LANG=en_US.UTF-8"}, &texts::en},
                      LanguageCase{"BritishEnglishBeforeGerman",
                                   {"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"},
                                   &texts::en},
                      LanguageCase{"Dutch", {"LANG=nl_NL.UTF-8"}, &texts::nl},
                      LanguageCase{"BelgianFrench", {"LC_ALL=fr_BE.UTF-8"}, &texts::fr},
                      LanguageCase{"French", {"LANG=fr_FR.UTF-8"}, &texts::fr}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
