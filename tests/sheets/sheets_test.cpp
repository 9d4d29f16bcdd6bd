// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheets' PDF read back with poppler: its properties against its page,
// and a table that the painter gets from a caller, not the tables library.

#include "sheets/pdffile.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

using namespace velmarit;

namespace {

// The PDF of `table` written into `dir`, then read with `tool` (pdfinfo,
// pdftotext); what the tool printed.
std::string readBack(const QTemporaryDir &dir, const CodingTable &table, const QString &tool)
{
    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    const QString failure = writePdfFile(pdf, {table}, {QStringLiteral("sheets_test 1.0")});
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    QProcess process;
    QStringList arguments{pdf};
    if (tool == QStringLiteral("pdftotext"))
        arguments.append(QStringLiteral("-")); // to standard output
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0) << tool.toStdString();
    return process.readAllStandardOutput().toStdString();
}

TEST(SheetsPdf, TitleInThePropertiesIsThePagesHeader)
{
    const QTemporaryDir dir;
    const CodingTable delta = codingTable(Decoder::Delta);
    const std::string title = "Velmarit – Codiertabellen der DIP-Schalter";
    const std::string info = readBack(dir, delta, QStringLiteral("pdfinfo"));
    const auto at = info.find("Title:");
    ASSERT_NE(at, std::string::npos) << info;
    EXPECT_EQ(info.substr(info.find_first_not_of(' ', at + 6), title.size() + 1), title + '\n');
    EXPECT_EQ(readBack(dir, delta, QStringLiteral("pdftotext")).rfind(title, 0), 0u);
}

// A caller's rows may have fewer or more cells than the table has headings:
// the missing cells stay empty, the surplus ones are not printed, and every
// row is on the page.
TEST(SheetsPdf, RowsWithMissingOrSurplusCellsArePrinted)
{
    CodingTable table;
    table.title = "Probe";
    table.switchCount = 4;
    table.leading = {{"Adr.", "Adresse"}, {"Dec.", "Decoder"}};
    table.switches = {"ON", "Schalter ON"};
    table.trailing = {{"Ta.", "Taste"}};
    table.rows = {
        {{}, 0b0001, {}, false},
        {{"2"}, 0b0011, {"71", "72"}, false},
        {{"3", "30", "33"}, 0b0111, {}, true},
    };
    const QTemporaryDir dir;
    const std::string text = readBack(dir, table, QStringLiteral("pdftotext"));
    for (const char *cell : {"1 2 3", "1 2", "71", "30"})
        EXPECT_NE(text.find(cell), std::string::npos) << cell << " in\n" << text;
    for (const char *cell : {"72", "33"})
        EXPECT_EQ(text.find(cell), std::string::npos) << cell << " in\n" << text;
}

} // namespace
