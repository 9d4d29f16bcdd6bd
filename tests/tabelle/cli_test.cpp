// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as a user runs it: its exit code, what goes to standard output
// and what to standard error.

#include "outputforms.h"
#include "programrun.h"
#include "tables/codingtable.h"
#include "tabletestsupport.h"
#include "version/velmaritversion.h"

#include <gtest/gtest.h>

using namespace velmarit;
using velmarit::test::ProgramRun;
using velmarit::test::runTabelle;

namespace {

const QString lokTitle = QStringLiteral("Digital-Decoder (Lok)");
const QString deltaTitle = QStringLiteral("Delta-Decoder:");
const QString weichenTitle = QStringLiteral("Weichen-Decoder:");

} // namespace

struct CliCase
{
    QStringList arguments;
    int exitCode;
    QStringList outContains; // in this order
    QStringList outLacks;
    QString errContains;
};

void PrintTo(const CliCase &c, std::ostream *os)
{
    *os << "[" << c.arguments.join(u' ').toStdString() << "]";
}

using CommandLine = testing::TestWithParam<CliCase>;

TEST_P(CommandLine, AnswersAsDocumented)
{
    const CliCase &c = GetParam();
    const ProgramRun run = runTabelle(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
    qsizetype from = 0;
    for (const QString &piece : c.outContains) {
        const qsizetype at = run.out.indexOf(piece, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << piece.toStdString();
        from = std::max<qsizetype>(at, 0);
    }
    for (const QString &piece : c.outLacks)
        EXPECT_FALSE(run.out.contains(piece)) << piece.toStdString();
    if (c.exitCode == 0)
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    else
        EXPECT_TRUE(run.out.isEmpty()) << "no half output on a usage error";
    EXPECT_TRUE(run.err.contains(c.errContains)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, CommandLine,
    testing::Values(
        CliCase{{}, 0, {lokTitle, "\f", deltaTitle, "\f", weichenTitle, "\f"}, {}, {}},
        CliCase{{"lok"}, 0, {lokTitle, "80  1 3 5 7"}, {deltaTitle, weichenTitle, "\f"}, {}},
        CliCase{{"weichen", "delta"}, 0, {weichenTitle, "\f", deltaTitle}, {lokTitle}, {}},
        CliCase{{"delta", "DELTA"}, 0, {deltaTitle}, {"\f"}, {}},
        CliCase{{"--csv", "delta"}, 0, {"Adresse,Schalter ON\n2,2 3 4\n"}, {deltaTitle}, {}},
        CliCase{{"--help"},
                0,
                {"Hebel oben = ON", "--csv", "--pdf <datei>", "lok, delta, weichen"},
                {lokTitle},
                {}},
        CliCase{{"-h", "lok"}, 0, {"--csv"}, {lokTitle}, {}},
        CliCase{{"--version"},
                0,
                {"velmarit-tabelle " + QLatin1String(velmarit::version::kVersion) + "\n"},
                {},
                {}},
        CliCase{{"--bogus"}, 2, {}, {}, "Unbekannte Option „--bogus“"},
        CliCase{{"lok", "-q"}, 2, {}, {}, "Unbekannte Option „-q“"},
        // Qt's German catalogue words the parser's value errors.
        CliCase{{"--csv=ja"}, 2, {}, {}, "'--csv'"},
        CliCase{{"zug"}, 2, {}, {}, "Unbekannte Tabelle „zug“"},
        CliCase{{"lok", "weiche"}, 2, {}, {}, "lok, delta, weichen"},
        CliCase{{"--", "--csv"}, 2, {}, {}, "Unbekannte Tabelle „--csv“"},
        CliCase{{"--pdf"}, 2, {}, {}, "Nach '--pdf' fehlt der Wert"},
        CliCase{{"--pdf=", "lok"}, 2, {}, {}, "Nach --pdf fehlt der Dateiname"},
        CliCase{{"--csv", "--pdf", "x.pdf"}, 2, {}, {}, "--csv und --pdf schließen sich aus"},
        CliCase{{"--pdf", "a.pdf", "--pdf", "b.pdf"}, 2, {}, {}, "--pdf nur einmal"},
        CliCase{{"--pdf", "x.pdf", "zug"}, 2, {}, {}, "Unbekannte Tabelle „zug“"},
        CliCase{{"--pdf=x.pdf", "--bogus"}, 2, {}, {}, "Unbekannte Option „--bogus“"}));

TEST(CommandLine, CsvOfAllTablesParsesBack)
{
    const ProgramRun run = runTabelle({QStringLiteral("--csv")});
    ASSERT_EQ(run.exitCode, 0);
    const auto tables = test::parseCsvTables(run.out);
    ASSERT_EQ(tables.size(), 3);
    const Decoder kinds[] = {Decoder::Lok, Decoder::Delta, Decoder::MA};
    for (int i = 0; i < 3; ++i) {
        const QList<QStringList> expected = test::rowsOf(codingTable(kinds[i]));
        ASSERT_EQ(tables.at(i).size(), expected.size() + 1);
        EXPECT_EQ(tables.at(i).mid(1), expected);
    }
}

TEST(CommandLine, FailedWriteIsNoSuccess)
{
    const ProgramRun run =
        runTabelle({QStringLiteral("weichen")}, {.outputFile = QStringLiteral("/dev/full")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Ausgabe fehlgeschlagen")));
}
