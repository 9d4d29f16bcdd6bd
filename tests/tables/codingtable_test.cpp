// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables must say exactly what the decoders understand, in both
// directions: every row's pattern decodes to the row's address, and the
// switches listed for it are those the window names for that address.

#include "tables/codingtable.h"

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/ternarycode.h"

#include <gtest/gtest.h>
#include <set>

using namespace velmarit;

namespace {

// The window's switch lists carry a blank before every number.
std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

TEST(LokTable, EveryAddressOnceWithTheWindowsSwitches)
{
    const CodingTable table = codingTable(Decoder::Lok);
    ASSERT_EQ(table.rows.size(), 80u);
    for (int a = 1; a <= 80; ++a) {
        const TableRow &row = table.rows.at(a - 1);
        EXPECT_EQ(row.leading, std::vector<std::string>{std::to_string(a)});
        EXPECT_EQ(decodeSwitchLok(LokPattern::fromBits(row.onSwitches)), a);
        EXPECT_EQ(switchesOnText(row.onSwitches, table.switchCount),
                  trimmed(switchListLok(static_cast<std::int16_t>(a))))
            << "address " << a;
        EXPECT_FALSE(row.startsGroup);
    }
}

TEST(DeltaTable, TheWindowsFifteenRowsThenAnalog)
{
    const CodingTable table = codingTable(Decoder::Delta);
    ASSERT_EQ(table.rows.size(), deltaAddressTable.size() + 1);
    for (std::size_t i = 0; i < deltaAddressTable.size(); ++i) {
        const TableRow &row = table.rows.at(i);
        const DeltaRow &listed = deltaAddressTable.at(i);
        EXPECT_EQ(row.leading.at(0), trimmed(std::string(listed.addressText)));
        EXPECT_EQ(switchesOnText(row.onSwitches, table.switchCount), listed.switchText);
        EXPECT_EQ(addressTextLokDelta(decodeSwitchLokDelta(DeltaPattern::fromBits(row.onSwitches))),
                  (row.leading.at(0).size() == 1 ? "0" : "") + row.leading.at(0));
    }
    const TableRow &analog = table.rows.back();
    EXPECT_EQ(analog.leading, std::vector<std::string>{"analog"});
    EXPECT_EQ(analog.onSwitches, 0u);
    EXPECT_EQ(switchesOnText(analog.onSwitches, table.switchCount), "keiner (alle OFF)");
}

TEST(WeichenTable, EveryTurnoutWithItsDecoderKeyboardAndKey)
{
    const CodingTable table = codingTable(Decoder::MA);
    ASSERT_EQ(table.rows.size(), 256u);
    std::set<unsigned> patterns;
    for (int n = 1; n <= 256; ++n) {
        const TableRow &row = table.rows.at(n - 1);
        ASSERT_EQ(row.leading.size(), 2u);
        ASSERT_EQ(row.trailing.size(), 2u);
        EXPECT_EQ(row.leading.at(0), std::to_string(n));
        EXPECT_EQ(decodeSwitchMA(MAPattern::fromBits(row.onSwitches)), n);
        EXPECT_EQ(switchesOnText(row.onSwitches, table.switchCount), trimmed(switchListMA(n)))
            << "turnout " << n;
        // The decoder column is what switches 1 to 8 of that row carry.
        EXPECT_EQ(ternary::codeValue(row.onSwitches & 0xFFu), std::stoi(row.leading.at(1)));
        const int keyboard = std::stoi(row.trailing.at(0));
        const int key = std::stoi(row.trailing.at(1));
        EXPECT_TRUE(key >= 1 && key <= 16) << n;
        EXPECT_EQ((keyboard - 1) * 16 + key, n);
        // A rule above the first turnout of each decoder but the first.
        EXPECT_EQ(row.startsGroup, n > 1 && n % 4 == 1) << n;
        patterns.insert(row.onSwitches);
    }
    EXPECT_EQ(patterns.size(), 256u);
}

TEST(Tables, ColumnsMatchTheRows)
{
    for (const Decoder kind : allDecoders) {
        const CodingTable table = codingTable(kind);
        EXPECT_EQ(table.kind, kind);
        for (const TableRow &row : table.rows) {
            EXPECT_EQ(row.leading.size(), table.leading.size());
            EXPECT_EQ(row.trailing.size(), table.trailing.size());
            EXPECT_LT(row.onSwitches, 1u << table.switchCount);
        }
    }
}

struct SwitchTextCase
{
    unsigned bits;
    int count;
    const char *text;
};

void PrintTo(const SwitchTextCase &c, std::ostream *os)
{
    *os << c.bits << " of " << c.count;
}

using SwitchTexts = testing::TestWithParam<SwitchTextCase>;

TEST_P(SwitchTexts, ListTheOnSwitches)
{
    EXPECT_EQ(switchesOnText(GetParam().bits, GetParam().count), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SwitchTexts,
    testing::Values(SwitchTextCase{0b1101010110u, 10, "2 3 5 7 9 10"}, // 10, not "1 0"
                    SwitchTextCase{0b01010101u, 8, "1 3 5 7"},
                    SwitchTextCase{0u, 4, "keiner (alle OFF)"},
                    SwitchTextCase{0b110000u, 4, "keiner (alle OFF)"})); // beyond the block

struct NameCase
{
    const char *name;
    std::optional<Decoder> kind;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << '"' << c.name << '"';
}

using TableNames = testing::TestWithParam<NameCase>;

TEST_P(TableNames, AreRecognised)
{
    EXPECT_EQ(decoderFromTableName(GetParam().name), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TableNames,
    testing::Values(NameCase{"lok", Decoder::Lok}, NameCase{"delta", Decoder::Delta},
                    NameCase{"weichen", Decoder::MA},
                    NameCase{"Weichen", Decoder::MA}, NameCase{"LOK", Decoder::Lok},
                    NameCase{"", std::nullopt}, NameCase{"lo", std::nullopt},
                    NameCase{"loks", std::nullopt}, NameCase{"weiche", std::nullopt},
                    NameCase{" lok", std::nullopt}, NameCase{"LÖK", std::nullopt}));
