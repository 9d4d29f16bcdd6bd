// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text form is for paper: it has to fit the page and must neither lose,
// repeat nor reorder a row when it sets a table in blocks and pages.

#include "outputforms.h"
#include "tables/codingtable.h"
#include "tabletestsupport.h"

#include <gtest/gtest.h>

using namespace velmarit;

namespace {

struct Page
{
    QStringList lines;
};

QList<Page> pagesOf(const QString &text)
{
    QList<Page> pages;
    for (const QString &page : text.split(u'\f')) {
        QStringList lines = page.split(u'\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast(); // the line feed that ends the last line
        pages.append({lines});
    }
    return pages;
}

// Reads the rows back from the printed blocks, down each block and then
// across, page by page. The switch column may hold several words.
QList<QStringList> rowsFromText(const QString &text, const CodingTable &table)
{
    const auto wordColumn = qsizetype(table.leading.size());
    const auto after = qsizetype(table.trailing.size());

    QList<QStringList> rows;
    for (const Page &page : pagesOf(text)) {
        const qsizetype ruleLine = page.lines.indexOf(
            page.lines.filter(QStringLiteral("---")).value(0, QStringLiteral("?")));
        QList<QList<QStringList>> blocks;
        for (qsizetype l = ruleLine + 1; l < page.lines.size(); ++l) {
            const QStringList entries = page.lines.at(l).split(QStringLiteral("|"));
            for (qsizetype b = 0; b < entries.size(); ++b) {
                QStringList words = entries.at(b).split(u' ', Qt::SkipEmptyParts);
                QStringList row = words.mid(0, wordColumn);
                row.append(words.mid(wordColumn, words.size() - wordColumn - after).join(u' '));
                row.append(words.mid(words.size() - after));
                if (blocks.size() <= b)
                    blocks.resize(b + 1);
                blocks[b].append(row);
            }
        }
        for (const auto &block : blocks)
            rows.append(block);
    }
    return rows;
}

} // namespace

using PrintedTable = testing::TestWithParam<Decoder>;

TEST_P(PrintedTable, FitsA4PagesAndKeepsEveryRow)
{
    const CodingTable table = codingTable(GetParam());
    const QString text = formatText(table);
    for (const Page &page : pagesOf(text)) {
        EXPECT_LE(page.lines.size(), 70);
        for (const QString &line : page.lines)
            EXPECT_LE(line.size(), 80) << line.toStdString();
        ASSERT_GE(page.lines.size(), 5);
        EXPECT_TRUE(page.lines.at(0).startsWith(QString::fromStdString(table.title)));
    }
    EXPECT_EQ(rowsFromText(text, table), test::rowsOf(table));
}

TEST_P(PrintedTable, RightAlignedCellsEndUnderTheirHeading)
{
    const CodingTable table = codingTable(GetParam());
    // The number columns, under the short headings the text form prints.
    QStringList numberHeadings;
    for (const auto *columns : {&table.leading, &table.trailing}) {
        for (const TableColumn &column : *columns)
            numberHeadings.append(QString::fromStdString(column.shortHeading));
    }
    ASSERT_FALSE(numberHeadings.isEmpty());
    for (const Page &page : pagesOf(formatText(table))) {
        const QString &heading = page.lines.at(3);
        for (const QString &columnHeading : numberHeadings) {
            // Every block repeats the heading; check the column in each of them.
            for (qsizetype at = heading.indexOf(columnHeading); at >= 0;
                 at = heading.indexOf(columnHeading, at + 1)) {
                const qsizetype last = at + columnHeading.size() - 1;
                for (qsizetype l = 5; l < page.lines.size(); ++l) {
                    const QString &line = page.lines.at(l);
                    if (last < line.size()) { // a short last block leaves the line shorter
                        EXPECT_TRUE(line.at(last).isLetterOrNumber()) << line.toStdString();
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, PrintedTable,
                         testing::Values(Decoder::Lok, Decoder::Delta, Decoder::MA));

TEST(PrintedTable, TurnoutsSetFourKeyboardsToABlock)
{
    const auto pages = pagesOf(formatText(codingTable(Decoder::MA)));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages.at(0).lines.at(0).endsWith(QStringLiteral("(Seite 1 von 2)")));
    EXPECT_TRUE(pages.at(1).lines.at(0).endsWith(QStringLiteral("(Seite 2 von 2)")));
    // First and last data line of page 2: turnouts 129 and 193, 192 and 256.
    EXPECT_TRUE(pages.at(1).lines.at(5).trimmed().startsWith(QStringLiteral("129 ")));
    EXPECT_TRUE(pages.at(1).lines.last().trimmed().startsWith(QStringLiteral("192 ")));
    EXPECT_TRUE(pages.at(1).lines.at(5).contains(QStringLiteral("|     193")));
}

struct LayoutCase
{
    int rows;
    PageLimits limits;
    qsizetype pages;
    qsizetype blocksOnFirstPage;
};

void PrintTo(const LayoutCase &c, std::ostream *os)
{
    *os << c.rows << " rows on " << c.limits.columns << "x" << c.limits.lines;
}

using SmallPages = testing::TestWithParam<LayoutCase>;

TEST_P(SmallPages, SpreadRowsOverBlocksAndPages)
{
    const auto &[rowCount, limits, pageCount, blocks] = GetParam();
    // Switch cells of one to three numbers: "1 2", "3", "1 3".
    CodingTable table;
    table.title = "T";
    table.shortNote = "N";
    table.switchCount = 3;
    table.leading = {{"Nr", "Nummer"}};
    table.switches = {"Wert", "Schalter"};
    for (int i = 1; i <= rowCount; ++i) {
        TableRow row;
        row.leading = {std::to_string(i)};
        row.onSwitches = unsigned(i % 3 + 3);
        table.rows.push_back(row);
    }

    const QString text = formatText(table, limits);
    const auto pages = pagesOf(text);
    ASSERT_EQ(pages.size(), pageCount);
    EXPECT_EQ(pages.at(0).lines.at(3).count(QStringLiteral("Nr")), blocks);
    for (const Page &page : pages)
        EXPECT_LE(page.lines.size(), std::max(limits.lines, 6));
    EXPECT_EQ(rowsFromText(text, table), test::rowsOf(table));
}

// Heading lines take five lines of each page; one block is 8 characters wide.
INSTANTIATE_TEST_SUITE_P(
    Layout, SmallPages,
    testing::Values(LayoutCase{0, {80, 70}, 1, 1}, LayoutCase{1, {80, 70}, 1, 1},
                    LayoutCase{65, {80, 70}, 1, 1}, LayoutCase{66, {80, 70}, 1, 2},
                    LayoutCase{10, {8, 9}, 3, 1},  // 4 + 4 + 2 rows, one block a page
                    LayoutCase{10, {21, 9}, 2, 2}, // 3 rows a block, two blocks a page
                    LayoutCase{3, {2, 2}, 3, 1})); // too small a page still prints everything
