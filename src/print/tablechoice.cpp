// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/tablechoice.h"

namespace velmarit {

QString tableChoiceText(TableChoice choice)
{
    switch (choice) {
    case TableChoice::All:
        return QStringLiteral("Alle drei Tabellen");
    case TableChoice::Lok:
        return QStringLiteral("Nur Lok-Adressen (Digital-Decoder)");
    case TableChoice::Delta:
        return QStringLiteral("Nur Delta-Adressen (Delta-Decoder)");
    case TableChoice::MA:
        return QStringLiteral("Nur Weichenadressen (Weichen-Decoder)");
    }
    return {};
}

std::vector<CodingTable> chosenTables(TableChoice choice)
{
    switch (choice) {
    case TableChoice::All:
        break;
    case TableChoice::Lok:
        return {codingTable(Decoder::Lok)};
    case TableChoice::Delta:
        return {codingTable(Decoder::Delta)};
    case TableChoice::MA:
        return {codingTable(Decoder::MA)};
    }
    std::vector<CodingTable> tables;
    for (const Decoder kind : allDecoders)
        tables.push_back(codingTable(kind));
    return tables;
}

QStringList pdfNameFilters()
{
    QStringList filters;
    for (const TableChoice choice : allTableChoices)
        filters.append(tableChoiceText(choice) + QStringLiteral(" (*.pdf)"));
    return filters;
}

TableChoice choiceOfNameFilter(const QString &filter)
{
    for (const TableChoice choice : allTableChoices) {
        if (filter.startsWith(tableChoiceText(choice) + QStringLiteral(" (")))
            return choice;
    }
    return TableChoice::All;
}

} // namespace velmarit
