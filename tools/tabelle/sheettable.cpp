// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheettable.h"

#include "codes/deltacode.h"

namespace velmarit {

namespace {

struct KindLayout
{
    int switchCount;
    qsizetype switchColumn; // the column of the CodingTable that lists the ON switches
    qsizetype groupColumn;  // rows with the same value here form a group; -1: none
};

KindLayout layoutOf(TableKind kind)
{
    switch (kind) {
    case TableKind::Lok:
        return {LokPattern::switchCount, 1, -1};
    case TableKind::Delta:
        return {DeltaPattern::switchCount, 1, -1};
    case TableKind::Weichen:
        return {AccessoryPattern::switchCount, 2, 1};
    }
    return {};
}

QStringList headingsOf(const CodingTable &table, qsizetype from, qsizetype to)
{
    QStringList headings;
    for (qsizetype c = from; c < to; ++c)
        headings.append(table.columns.at(c).csvHeading);
    return headings;
}

} // namespace

std::optional<unsigned> switchBits(const QString &list, int count)
{
    unsigned bits = 0;
    for (const QString &part : list.split(u' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 1 || n > count)
            return std::nullopt;
        bits |= 1u << (n - 1);
    }
    return bits;
}

SheetTable sheetTable(TableKind kind)
{
    const CodingTable table = codingTable(kind);
    const KindLayout layout = layoutOf(kind);
    const qsizetype switchColumn = layout.switchColumn;

    SheetTable sheet;
    sheet.title = table.title;
    sheet.note = table.note;
    sheet.switchCount = layout.switchCount;
    sheet.leadingHeadings = headingsOf(table, 0, switchColumn);
    sheet.blockHeading = QStringLiteral("Schalterblock");
    sheet.onHeading = table.columns.at(switchColumn).csvHeading;
    sheet.trailingHeadings = headingsOf(table, switchColumn + 1, table.columns.size());

    QString previousGroup;
    for (const QStringList &cells : table.rows) {
        SheetRow row;
        row.leading = cells.mid(0, switchColumn);
        row.onText = cells.at(switchColumn);
        // The codes only give lists of valid switches. Should one ever be
        // broken, its row is left out rather than drawn with every switch
        // OFF; the tests compare the row counts with the codes.
        const auto bits = switchBits(row.onText, layout.switchCount);
        if (!bits)
            continue;
        row.onSwitches = *bits;
        row.trailing = cells.mid(switchColumn + 1);
        if (layout.groupColumn >= 0) {
            const QString group = cells.at(layout.groupColumn);
            row.startsGroup = !previousGroup.isEmpty() && group != previousGroup;
            previousGroup = group;
        }
        sheet.rows.append(row);
    }

    if (kind == TableKind::Weichen) {
        // The text form explains its short headings; these are spelt out.
        sheet.note = QStringLiteral("Schalter 1 bis 8 stellen die Decoder-Adresse ein, Schalter 9 "
                                    "und 10 wählen eine der vier Weichen dieses Decoders.");
    }
    if (kind == TableKind::Delta) {
        // The printed text form says in its note that all switches OFF is
        // analog operation; a drawing of it is worth its own row.
        SheetRow analog;
        analog.leading = {
            QString::fromUtf8(addressTextLokDelta(decodeSwitchLokDelta(DeltaPattern())).c_str())};
        analog.onText = QStringLiteral("keiner (alle OFF)");
        sheet.rows.append(analog);
    }
    return sheet;
}

} // namespace velmarit
