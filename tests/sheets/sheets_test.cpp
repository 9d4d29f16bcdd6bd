// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheets as a reader of the PDF sees them: its properties against its
// pages, and tables that the painter gets from a caller rather than from
// the tables library.

#include "sheets/pdffile.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace velmarit;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed";
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF of `tables`, written into `dir`; its path.
QString writtenPdf(const QTemporaryDir &dir, const std::vector<CodingTable> &tables)
{
    const QString path = dir.filePath(QStringLiteral("sheets.pdf"));
    const QString failure = writePdfFile(path, tables, {QStringLiteral("sheets_test 1.0")});
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    return path;
}

QString pdfTitle(const QString &pdf)
{
    static const QRegularExpression title(QStringLiteral("^Title: +(.*)$"),
                                          QRegularExpression::MultilineOption);
    return title.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1);
}

QStringList pageLines(const QString &pdf)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                QStringLiteral("1"), pdf, QStringLiteral("-")})
        .split(u'\n', Qt::SkipEmptyParts);
}

TEST(SheetsPdf, TitleInThePropertiesIsThePagesHeader)
{
    const QTemporaryDir dir;
    const QString pdf = writtenPdf(dir, {codingTable(TableKind::Delta)});
    const QString expected = QStringLiteral("Velmarit – Codiertabellen der DIP-Schalter");
    EXPECT_EQ(pdfTitle(pdf).toStdString(), expected.toStdString());
    const QStringList lines = pageLines(pdf);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.first().trimmed().startsWith(expected)) << lines.first().toStdString();
}

// A caller's table may have rows with fewer or more cells than it has
// headings: the missing cells stay empty, the surplus ones are not printed,
// and every row is still on the page.
TEST(SheetsPdf, RowsWithMissingOrSurplusCellsArePrinted)
{
    CodingTable table;
    table.title = "Probe";
    table.note = "Zeilen mit fehlenden und überzähligen Zellen";
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
    const QString pdf = writtenPdf(dir, {table});
    const QString text = pageLines(pdf).join(u'\n');
    for (const char *cell : {"1 2 3", "1 2", "71", "30"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(cell))) << cell << " in\n"
                                                            << text.toStdString();
    for (const char *cell : {"72", "33"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(cell))) << cell << " in\n"
                                                             << text.toStdString();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // the fonts
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
