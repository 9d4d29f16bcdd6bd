// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables.h"

#include "codes/accessorycode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"

#include <cstdint>

namespace velmarit {

namespace {

constexpr int lokAddressCount = 80;
constexpr int turnoutCount = 256;
constexpr int turnoutsPerDecoder = 4;
constexpr int turnoutsPerKeyboard = 16;

QString fromCodes(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The codes write a blank before every switch number so the window can show
// the list as it is; in a table column that blank would only misalign the
// one list that lacks it (locomotive address 80).
QString switchCell(const std::string &list)
{
    return fromCodes(list).trimmed();
}

} // namespace

std::optional<TableKind> tableKindFromName(const QString &name)
{
    for (const auto kind : {TableKind::Lok, TableKind::Delta, TableKind::Weichen}) {
        if (name.compare(tableName(kind), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

QString tableName(TableKind kind)
{
    switch (kind) {
    case TableKind::Lok:
        return QStringLiteral("lok");
    case TableKind::Delta:
        return QStringLiteral("delta");
    case TableKind::Weichen:
        return QStringLiteral("weichen");
    }
    return {};
}

int keyboardOfTurnout(int turnout)
{
    return (turnout + turnoutsPerKeyboard - 1) / turnoutsPerKeyboard;
}

int keyOfTurnout(int turnout)
{
    return (turnout - 1) % turnoutsPerKeyboard + 1;
}

CodingTable lokTable()
{
    CodingTable table;
    table.title = QStringLiteral("Digital-Decoder (Lok): Adressen 1 bis 80");
    table.note = QStringLiteral("Die genannten Schalter auf ON stellen, alle anderen auf OFF.");
    table.columns = {
        {QStringLiteral("Adresse"), QStringLiteral("Adresse"), true},
        {QStringLiteral("Schalter ON"), QStringLiteral("Schalter ON"), false},
    };
    for (int a = 1; a <= lokAddressCount; ++a) {
        table.rows.append(
            {QString::number(a), switchCell(switchListLok(static_cast<std::int16_t>(a)))});
    }
    return table;
}

CodingTable deltaTable()
{
    CodingTable table;
    table.title = QStringLiteral("Delta-Decoder: die 15 Adressen");
    table.note = QStringLiteral("Alle vier Schalter auf OFF: analoger Betrieb.");
    table.columns = {
        {QStringLiteral("Adresse"), QStringLiteral("Adresse"), true},
        {QStringLiteral("Schalter ON"), QStringLiteral("Schalter ON"), false},
    };
    for (const DeltaRow &row : deltaAddressTable)
        table.rows.append({fromCodes(row.addressText).trimmed(), fromCodes(row.switchText)});
    return table;
}

CodingTable weichenTable()
{
    CodingTable table;
    table.title = QStringLiteral("Weichen-Decoder: Weichenadressen 1 bis 256");
    table.note = QStringLiteral("Dec: Decoder-Adresse (Schalter 1-8), Kbd: Keyboard, Taste: "
                                "Taste am Keyboard");
    table.columns = {
        {QStringLiteral("Weiche"), QStringLiteral("Weiche"), true},
        {QStringLiteral("Dec"), QStringLiteral("Decoder-Adresse"), true},
        {QStringLiteral("Schalter ON"), QStringLiteral("Schalter ON"), false},
        {QStringLiteral("Kbd"), QStringLiteral("Keyboard"), true},
        {QStringLiteral("Taste"), QStringLiteral("Taste"), true},
    };
    for (int n = 1; n <= turnoutCount; ++n) {
        table.rows.append({QString::number(n),
                           QString::number((n + turnoutsPerDecoder - 1) / turnoutsPerDecoder),
                           switchCell(switchListMA(n)), QString::number(keyboardOfTurnout(n)),
                           QString::number(keyOfTurnout(n))});
    }
    return table;
}

CodingTable codingTable(TableKind kind)
{
    switch (kind) {
    case TableKind::Lok:
        return lokTable();
    case TableKind::Delta:
        return deltaTable();
    case TableKind::Weichen:
        return weichenTable();
    }
    return {};
}

} // namespace velmarit
