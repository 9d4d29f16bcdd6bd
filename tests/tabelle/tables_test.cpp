// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed tables must say exactly what the decoders understand: every
// row is decoded back from its switch cell and must give its own address.

#include "tables.h"
#include "tabletestsupport.h"

#include "codes/accessorycode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/ternarycode.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmarit;
using velmarit::test::patternOf;

TEST(LokTable, EveryAddressOnceAndDecodesBack)
{
    const CodingTable table = lokTable();
    ASSERT_EQ(table.rows.size(), 80);
    for (int a = 1; a <= 80; ++a) {
        const QStringList &row = table.rows.at(a - 1);
        ASSERT_EQ(row.size(), 2);
        EXPECT_EQ(row.at(0), QString::number(a));
        // Decoded twice: from the switch numbers and as a user would type them.
        EXPECT_EQ(decodeSwitchLok(patternOf<LokPattern>(row.at(1))), a) << "address " << a;
        EXPECT_EQ(decodeSwitchLok(patternFromTextLok(row.at(1).toStdString())), a);
    }
}

TEST(DeltaTable, FifteenDistinctPatternsDecodeBack)
{
    const CodingTable table = deltaTable();
    ASSERT_EQ(table.rows.size(), 15);
    std::set<unsigned> patterns;
    int previous = 0;
    for (const QStringList &row : table.rows) {
        const int address = row.at(0).toInt();
        EXPECT_GT(address, previous) << "rows in ascending address order";
        previous = address;
        const auto pattern = patternOf<DeltaPattern>(row.at(1));
        EXPECT_FALSE(pattern.none()) << "analog mode has no row";
        EXPECT_EQ(decodeSwitchLokDelta(pattern), address) << row.join(u'|').toStdString();
        patterns.insert(pattern.bits());
    }
    EXPECT_EQ(patterns.size(), 15u);
}

TEST(WeichenTable, EveryTurnoutDecodesBackWithItsDecoderAndKey)
{
    const CodingTable table = weichenTable();
    ASSERT_EQ(table.rows.size(), 256);
    for (int n = 1; n <= 256; ++n) {
        const QStringList &row = table.rows.at(n - 1);
        ASSERT_EQ(row.size(), 5);
        EXPECT_EQ(row.at(0).toInt(), n);
        const auto pattern = patternOf<AccessoryPattern>(row.at(2));
        EXPECT_EQ(decodeSwitchMA(pattern), n) << "turnout " << n;
        // The decoder column must be what switches 1 to 8 of that row carry.
        EXPECT_EQ(ternary::codeValue(pattern.bits() & 0xFFu), row.at(1).toInt()) << n;
        const int keyboard = row.at(3).toInt();
        const int key = row.at(4).toInt();
        EXPECT_TRUE(key >= 1 && key <= 16) << n;
        EXPECT_EQ((keyboard - 1) * 16 + key, n);
    }
}

struct RowCase
{
    TableKind kind;
    int index;
    QStringList row;
};

void PrintTo(const RowCase &c, std::ostream *os)
{
    *os << tableName(c.kind).toStdString() << " " << c.row.value(0).toStdString();
}

using KnownRows = testing::TestWithParam<RowCase>;

TEST_P(KnownRows, MatchDecoderData)
{
    const auto &[kind, index, row] = GetParam();
    EXPECT_EQ(codingTable(kind).rows.at(index), row);
}

// Values taken from decoder set-up sheets, not from the code under test.
INSTANTIATE_TEST_SUITE_P(
    Tables, KnownRows,
    testing::Values(RowCase{TableKind::Lok, 0, {"1", "2 3 5 7"}},
                    RowCase{TableKind::Lok, 12, {"13", "2 4 6 7"}},
                    RowCase{TableKind::Lok, 78, {"79", "2"}},
                    RowCase{TableKind::Lok, 79, {"80", "1 3 5 7"}},
                    RowCase{TableKind::Delta, 0, {"2", "2 3 4"}},
                    RowCase{TableKind::Delta, 6, {"26", "4"}},
                    RowCase{TableKind::Delta, 14, {"80", "1 2 3 4"}},
                    RowCase{TableKind::Weichen, 0, {"1", "1", "2 3 5 7 9 10", "1", "1"}},
                    RowCase{TableKind::Weichen, 8, {"9", "3", "1 4 5 7 9 10", "1", "9"}},
                    RowCase{TableKind::Weichen, 15, {"16", "4", "2 4 5 7", "1", "16"}},
                    RowCase{TableKind::Weichen, 16, {"17", "5", "4 5 7 9 10", "2", "1"}},
                    RowCase{TableKind::Weichen, 99, {"100", "25", "2 7", "7", "4"}},
                    RowCase{TableKind::Weichen, 252, {"253", "64", "2 3 6 9 10", "16", "13"}},
                    RowCase{TableKind::Weichen, 255, {"256", "64", "2 3 6", "16", "16"}}));

struct NameCase
{
    const char *name;
    std::optional<TableKind> kind;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << '"' << c.name << '"';
}

using TableNames = testing::TestWithParam<NameCase>;

TEST_P(TableNames, AreRecognised)
{
    EXPECT_EQ(tableKindFromName(QString::fromUtf8(GetParam().name)), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableNames,
    testing::Values(NameCase{"lok", TableKind::Lok}, NameCase{"delta", TableKind::Delta},
                    NameCase{"weichen", TableKind::Weichen},
                    NameCase{"Weichen", TableKind::Weichen}, NameCase{"LOK", TableKind::Lok},
                    NameCase{"", std::nullopt}, NameCase{"lo", std::nullopt},
                    NameCase{"loks", std::nullopt}, NameCase{"weiche", std::nullopt},
                    NameCase{" lok", std::nullopt}));
