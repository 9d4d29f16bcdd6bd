// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF draws levers from these rows: each drawn pattern must decode back
// to the row's own address, and no row may be lost on the way from the
// table to the drawing.

#include "pdfrequest.h"
#include "sheettable.h"
#include "tables.h"
#include "tabletestsupport.h"

#include "codes/accessorycode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include <gtest/gtest.h>

using namespace velmarit;

struct BitsCase
{
    const char *list;
    int count;
    std::optional<unsigned> bits;
};

void PrintTo(const BitsCase &c, std::ostream *os)
{
    *os << '"' << c.list << "\" of " << c.count;
}

using SwitchLists = testing::TestWithParam<BitsCase>;

TEST_P(SwitchLists, BecomeBitsOrNothing)
{
    EXPECT_EQ(switchBits(QString::fromUtf8(GetParam().list), GetParam().count), GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(
    Sheet, SwitchLists,
    testing::Values(BitsCase{"2 3 5 7 9 10", 10, 0b1101010110u}, // "10" is not switches 1 and 0
                    BitsCase{"1 3 5 7", 8, 0b01010101u}, BitsCase{"", 4, 0u},
                    BitsCase{" 4 ", 4, 0b1000u}, BitsCase{"9", 8, std::nullopt},
                    BitsCase{"0", 10, std::nullopt}, BitsCase{"ungültig", 8, std::nullopt},
                    BitsCase{"2,3", 8, std::nullopt}));

namespace {

// The address a drawn pattern sets, read by the decoders the window uses.
std::optional<int> decodedAddress(TableKind kind, unsigned bits)
{
    switch (kind) {
    case TableKind::Lok:
        return decodeSwitchLok(LokPattern::fromBits(bits));
    case TableKind::Delta:
        return decodeSwitchLokDelta(DeltaPattern::fromBits(bits));
    case TableKind::Weichen:
        return decodeSwitchMA(AccessoryPattern::fromBits(bits));
    }
    return std::nullopt;
}

} // namespace

using SheetTables = testing::TestWithParam<TableKind>;

TEST_P(SheetTables, DrawEveryTableRowWithAPatternThatDecodesBack)
{
    const TableKind kind = GetParam();
    const CodingTable table = codingTable(kind);
    const SheetTable sheet = sheetTable(kind);
    ASSERT_GE(sheet.rows.size(), table.rows.size());
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        const SheetRow &row = sheet.rows.at(i);
        ASSERT_FALSE(row.leading.isEmpty());
        EXPECT_EQ(row.leading.at(0), table.rows.at(i).at(0));
        EXPECT_TRUE(table.rows.at(i).contains(row.onText));
        EXPECT_EQ(decodedAddress(kind, row.onSwitches), row.leading.at(0).toInt())
            << "row " << row.leading.at(0).toStdString();
        EXPECT_LT(row.onSwitches, 1u << sheet.switchCount);
        // A rule above the first turnout of each decoder but the first.
        EXPECT_EQ(row.startsGroup, kind == TableKind::Weichen && i > 0 && i % 4 == 0) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Sheet, SheetTables,
                         testing::Values(TableKind::Lok, TableKind::Delta, TableKind::Weichen));

struct OptionCase
{
    QStringList arguments;
    bool asks;
};

void PrintTo(const OptionCase &c, std::ostream *os)
{
    *os << "[" << c.arguments.join(u' ').toStdString() << "]";
}

using PdfRequest = testing::TestWithParam<OptionCase>;

TEST_P(PdfRequest, IsSeenBeforeTheParserRuns)
{
    QStringList arguments = GetParam().arguments;
    arguments.prepend(QStringLiteral("velmarit-tabelle"));
    EXPECT_EQ(asksForOption(arguments, QStringLiteral("pdf")), GetParam().asks);
}

INSTANTIATE_TEST_SUITE_P(
    Sheet, PdfRequest,
    testing::Values(OptionCase{{}, false}, OptionCase{{"--pdf", "a.pdf"}, true},
                    OptionCase{{"lok", "--pdf=a.pdf"}, true}, OptionCase{{"--pdf"}, true},
                    OptionCase{{"--pdfx"}, false}, OptionCase{{"-pdf"}, false},
                    OptionCase{{"--csv", "pdf"}, false}, OptionCase{{"--", "--pdf"}, false},
                    OptionCase{{"lok", "--", "--pdf=a"}, false}));
