// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/tablechoice.h"

#include "language/qtexts.h"

namespace velmarit {

QString tableChoiceText(TableChoice choice, const Texts &language)
{
    const auto &says = language.printing;
    switch (choice) {
    case TableChoice::All:
        return toQString(says.all);
    case TableChoice::Lok:
        return toQString(says.only.Digital);
    case TableChoice::Delta:
        return toQString(says.only.Delta);
    case TableChoice::MA:
        return toQString(says.only.Weichen);
    }
    return {};
}

std::vector<CodingTable> chosenTables(TableChoice choice, const Texts &language)
{
    switch (choice) {
    case TableChoice::All:
        break;
    case TableChoice::Lok:
        return {codingTable(Decoder::Lok, language)};
    case TableChoice::Delta:
        return {codingTable(Decoder::Delta, language)};
    case TableChoice::MA:
        return {codingTable(Decoder::MA, language)};
    }
    std::vector<CodingTable> tables;
    for (const Decoder kind : allDecoders)
        tables.push_back(codingTable(kind, language));
    return tables;
}

QStringList pdfNameFilters(const Texts &language)
{
    QStringList filters;
    for (const TableChoice choice : allTableChoices)
        filters.append(tableChoiceText(choice, language) + QStringLiteral(" (*.pdf)"));
    return filters;
}

TableChoice choiceOfNameFilter(const QString &filter, const Texts &language)
{
    for (const TableChoice choice : allTableChoices) {
        if (filter.startsWith(tableChoiceText(choice, language) + QStringLiteral(" (")))
            return choice;
    }
    return TableChoice::All;
}

} // namespace velmarit
