// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/codingtable.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace velmarit {

// Which tables go on paper: all three (the default) or one of them.
enum class TableChoice { All, Lok, Delta, MA };

inline constexpr TableChoice allTableChoices[] = {TableChoice::All, TableChoice::Lok,
                                                  TableChoice::Delta, TableChoice::MA};

// "Alle drei Tabellen", "Nur Lok-Adressen (Digital-Decoder)", ... in
// `language`.
QString tableChoiceText(TableChoice choice, const Texts &language = texts::german);

std::vector<CodingTable> chosenTables(TableChoice choice, const Texts &language = texts::german);

// The file dialog offers the choice as its file types, which every
// platform's dialog shows: "Alle drei Tabellen (*.pdf)" and so on.
QStringList pdfNameFilters(const Texts &language = texts::german);
TableChoice choiceOfNameFilter(const QString &filter, const Texts &language = texts::german);

} // namespace velmarit
