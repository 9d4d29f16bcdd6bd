// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codingtable.h"

#include <optional>
#include <QString>

// The three coding tables, built from the decoder codes: the operators print
// them to set up a batch of decoders without the window.
namespace velmarit {

enum class TableKind { Lok, Delta, Weichen };

// The name a table is asked for by on the command line: "lok", "delta" or
// "weichen" (any case).
std::optional<TableKind> tableKindFromName(const QString &name);
QString tableName(TableKind kind);

// A turnout's place on the keyboards: sixteen turnouts to a keyboard.
int keyboardOfTurnout(int turnout);
int keyOfTurnout(int turnout);

// Locomotive addresses 1 to 80 with the switches to set ON.
CodingTable lokTable();
// The fifteen Delta addresses with their switches, as the window's list has them.
CodingTable deltaTable();
// Turnout addresses 1 to 256: decoder address, switches 1 to 10, keyboard and key.
CodingTable weichenTable();

CodingTable codingTable(TableKind kind);

} // namespace velmarit
