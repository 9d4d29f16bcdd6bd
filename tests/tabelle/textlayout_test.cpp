// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text form is for paper: it has to fit the page and must neither lose,
// repeat nor reorder a row when it sets a table in blocks and pages.

#include "tables/codingtable.h"
#include "tabletestsupport.h"
#include "textlayout.h"
#include "texttable.h"

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
// across, page by page. The one left-aligned column may hold several words.
QList<QStringList> rowsFromText(const QString &text, const TextTable &table)
{
    qsizetype wordColumn = -1;
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        if (!table.columns.at(c).alignRight)
            wordColumn = c;
    }
    const qsizetype after = table.columns.size() - wordColumn - 1;

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

using PrintedTable = testing::TestWithParam<TableKind>;

TEST_P(PrintedTable, FitsA4PagesAndKeepsEveryRow)
{
    const TextTable table = textTable(codingTable(GetParam()));
    const QString text = formatText(table);
    for (const Page &page : pagesOf(text)) {
        EXPECT_LE(page.lines.size(), 70);
        for (const QString &line : page.lines)
            EXPECT_LE(line.size(), 80) << line.toStdString();
        ASSERT_GE(page.lines.size(), 5);
        EXPECT_TRUE(page.lines.at(0).startsWith(table.title));
    }
    EXPECT_EQ(rowsFromText(text, table), table.rows);
}

TEST_P(PrintedTable, RightAlignedCellsEndUnderTheirHeading)
{
    const TextTable table = textTable(codingTable(GetParam()));
    for (const Page &page : pagesOf(formatText(table))) {
        const QString &heading = page.lines.at(3);
        for (const TextColumn &column : table.columns) {
            if (!column.alignRight)
                continue;
            // Every block repeats the heading; check the column in each of them.
            for (qsizetype at = heading.indexOf(column.heading); at >= 0;
                 at = heading.indexOf(column.heading, at + 1)) {
                const qsizetype last = at + column.heading.size() - 1;
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
                         testing::Values(TableKind::Lok, TableKind::Delta, TableKind::Weichen));

TEST(PrintedTable, TurnoutsSetFourKeyboardsToABlock)
{
    const auto pages = pagesOf(formatText(textTable(codingTable(TableKind::Weichen))));
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
    TextTable table;
    table.title = QStringLiteral("T");
    table.note = QStringLiteral("N");
    table.columns = {{QStringLiteral("Nr"), QStringLiteral("Nr"), true},
                     {QStringLiteral("Wert"), QStringLiteral("Wert"), false}};
    for (int i = 1; i <= rowCount; ++i)
        table.rows.append({QString::number(i), QStringLiteral("w %1").arg(i)});

    const QString text = formatText(table, limits);
    const auto pages = pagesOf(text);
    ASSERT_EQ(pages.size(), pageCount);
    EXPECT_EQ(pages.at(0).lines.at(3).count(QStringLiteral("Nr")), blocks);
    for (const Page &page : pages)
        EXPECT_LE(page.lines.size(), std::max(limits.lines, 6));
    EXPECT_EQ(rowsFromText(text, table), table.rows);
}

// Heading lines take five lines of each page; one block is 8 characters wide.
INSTANTIATE_TEST_SUITE_P(
    Layout, SmallPages,
    testing::Values(LayoutCase{0, {80, 70}, 1, 1}, LayoutCase{1, {80, 70}, 1, 1},
                    LayoutCase{65, {80, 70}, 1, 1}, LayoutCase{66, {80, 70}, 1, 2},
                    LayoutCase{10, {8, 9}, 3, 1},  // 4 + 4 + 2 rows, one block a page
                    LayoutCase{10, {21, 9}, 2, 2}, // 3 rows a block, two blocks a page
                    LayoutCase{3, {2, 2}, 3, 1})); // too small a page still prints everything
