// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "outputforms.h"
#include "tables/codingtable.h"
#include "tabletestsupport.h"

#include <gtest/gtest.h>

using namespace velmarit;

struct FieldCase
{
    const char *field;
    const char *written;
};

void PrintTo(const FieldCase &c, std::ostream *os)
{
    std::string shown = "[";
    for (const char *p = c.field; *p != '\0'; ++p)
        shown += *p == '\n'   ? std::string("\\n")
                 : *p == '\r' ? std::string("\\r")
                              : std::string(1, *p);
    *os << shown << "]";
}

using CsvFields = testing::TestWithParam<FieldCase>;

TEST_P(CsvFields, AreQuotedOnlyWhenNeededAndReadBack)
{
    const QString field = QString::fromUtf8(GetParam().field);
    const QString written = csvField(field);
    EXPECT_EQ(written, QString::fromUtf8(GetParam().written));
    const QString line = written + QStringLiteral(",x\n");
    const auto tables = test::parseCsvTables(line);
    ASSERT_EQ(tables.size(), 1);
    ASSERT_EQ(tables.at(0).size(), 1);
    EXPECT_EQ(tables.at(0).at(0), (QStringList{field, QStringLiteral("x")}));
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvFields,
    testing::Values(FieldCase{"2 3 5 7", "2 3 5 7"}, FieldCase{"", ""},
                    FieldCase{"ungültig", "ungültig"}, FieldCase{"a,b", "\"a,b\""},
                    FieldCase{"sag \"ja\"", "\"sag \"\"ja\"\"\""}, FieldCase{"\"", "\"\"\"\""},
                    FieldCase{"zwei\nZeilen", "\"zwei\nZeilen\""}, FieldCase{"cr\r", "\"cr\r\""}));

using CsvTables = testing::TestWithParam<Decoder>;

TEST_P(CsvTables, ParseBackToTheTable)
{
    const CodingTable table = codingTable(GetParam());
    const auto tables = test::parseCsvTables(formatCsv(table));
    ASSERT_EQ(tables.size(), 1);
    const auto &records = tables.at(0);
    const QList<QStringList> rows = test::rowsOf(table);
    ASSERT_EQ(records.size(), rows.size() + 1);
    // The spreadsheet has room for the full headings.
    QStringList headings;
    for (const auto &column : table.leading)
        headings.append(QString::fromStdString(column.heading));
    headings.append(QString::fromStdString(table.switches.heading));
    for (const auto &column : table.trailing)
        headings.append(QString::fromStdString(column.heading));
    EXPECT_EQ(records.at(0), headings);
    EXPECT_EQ(records.mid(1), rows);
}

INSTANTIATE_TEST_SUITE_P(Tables, CsvTables,
                         testing::Values(Decoder::Lok, Decoder::Delta, Decoder::MA));
