// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text and CSV cells of the tables, as an operator reads them on paper.

#include "tabletestsupport.h"

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include <gtest/gtest.h>

using namespace velmarit;

struct RowCase
{
    Decoder kind;
    int index;
    QStringList row;
};

void PrintTo(const RowCase &c, std::ostream *os)
{
    *os << tableName(c.kind) << " " << c.row.value(0).toStdString();
}

using KnownRows = testing::TestWithParam<RowCase>;

TEST_P(KnownRows, MatchDecoderData)
{
    const auto &[kind, index, row] = GetParam();
    EXPECT_EQ(test::rowsOf(codingTable(kind)).at(index), row);
}

// Values taken from decoder set-up sheets, not from the code under test.
INSTANTIATE_TEST_SUITE_P(
    Tables, KnownRows,
    testing::Values(RowCase{Decoder::Lok, 0, {"1", "2 3 5 7"}},
                    RowCase{Decoder::Lok, 12, {"13", "2 4 6 7"}},
                    RowCase{Decoder::Lok, 78, {"79", "2"}},
                    RowCase{Decoder::Lok, 79, {"80", "1 3 5 7"}},
                    RowCase{Decoder::Delta, 0, {"2", "2 3 4"}},
                    RowCase{Decoder::Delta, 6, {"26", "4"}},
                    RowCase{Decoder::Delta, 14, {"80", "1 2 3 4"}},
                    RowCase{Decoder::Delta, 15, {"analog", "keiner (alle OFF)"}},
                    RowCase{Decoder::MA, 0, {"1", "1", "2 3 5 7 9 10", "1", "1"}},
                    RowCase{Decoder::MA, 8, {"9", "3", "1 4 5 7 9 10", "1", "9"}},
                    RowCase{Decoder::MA, 15, {"16", "4", "2 4 5 7", "1", "16"}},
                    RowCase{Decoder::MA, 16, {"17", "5", "4 5 7 9 10", "2", "1"}},
                    RowCase{Decoder::MA, 99, {"100", "25", "2 7", "7", "4"}},
                    RowCase{Decoder::MA, 252, {"253", "64", "2 3 6 9 10", "16", "13"}},
                    RowCase{Decoder::MA, 255, {"256", "64", "2 3 6", "16", "16"}}));

// A switch cell typed into the window's switch-number box gives the row's
// address: what is printed is what the decoder understands.
TEST(TableRows, SwitchCellsTypedIntoTheWindowGiveTheirAddress)
{
    for (const Decoder kind : allDecoders) {
        const qsizetype switchColumn = kind == Decoder::MA ? 2 : 1;
        for (const QStringList &row : test::rowsOf(codingTable(kind))) {
            // In the turnout box "0" stands for switch 10.
            QString cell = row.at(switchColumn);
            if (kind == Decoder::MA)
                cell.replace(QStringLiteral("10"), QStringLiteral("0"));
            const std::string typed = cell.toStdString();
            const QString address = row.at(0);
            if (kind == Decoder::Lok)
                EXPECT_EQ(decodeSwitchLok(patternFromTextLok(typed)), address.toInt()) << typed;
            else if (kind == Decoder::MA)
                EXPECT_EQ(decodeSwitchMA(patternFromTextMA(typed)), address.toInt()) << typed;
            else
                EXPECT_EQ(QString::fromStdString(addressTextLokDelta(
                              decodeSwitchLokDelta(patternFromTextLokDelta(typed)))),
                          (address.size() == 1 ? QStringLiteral("0") : QString()) + address)
                    << typed;
        }
    }
}
