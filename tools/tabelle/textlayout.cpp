// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textlayout.h"

#include "tables/rowspread.h"

#include <algorithm>

namespace velmarit {

namespace {

const QString columnGap = QStringLiteral("  ");
const QString blockGap = QStringLiteral("  |  ");
constexpr QChar formFeed = u'\f';

QString cellText(const QString &text, qsizetype width, bool alignRight)
{
    return alignRight ? text.rightJustified(width) : text.leftJustified(width);
}

qsizetype ceilDiv(qsizetype a, qsizetype b)
{
    return (a + b - 1) / b;
}

// Padding after the last cell of a line would print nothing but could push a
// line past the page width, so it is cut off.
void appendLine(QString &page, const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == u' ')
        --end;
    page += QStringView(line).left(end);
    page += u'\n';
}

} // namespace

QString formatText(const TextTable &table, PageLimits limits)
{
    const qsizetype columnCount = table.columns.size();
    QList<qsizetype> widths;
    for (const TextColumn &column : table.columns)
        widths.append(column.heading.size());
    for (const QStringList &row : table.rows) {
        for (qsizetype c = 0; c < columnCount && c < row.size(); ++c)
            widths[c] = std::max(widths[c], row.at(c).size());
    }

    QString heading;
    QString rule;
    for (qsizetype c = 0; c < columnCount; ++c) {
        if (c > 0) {
            heading += columnGap;
            rule += columnGap;
        }
        heading +=
            cellText(table.columns.at(c).heading, widths.at(c), table.columns.at(c).alignRight);
        rule += QString(widths.at(c), u'-');
    }
    const qsizetype blockWidth = heading.size();

    const int headLines = table.note.isEmpty() ? 4 : 5; // title, note, blank, heading, rule
    const qsizetype rowCount = table.rows.size();
    const RowSpread spread =
        spreadRows(rowCount, limits.lines - headLines,
                   (limits.columns + blockGap.size()) / (blockWidth + blockGap.size()));
    const qsizetype pages = spread.pages;
    const qsizetype blocks = spread.blocks;
    const qsizetype perBlock = spread.perBlock;
    const qsizetype perPage = perBlock * blocks;

    QString text;
    for (qsizetype page = 0; page < pages; ++page) {
        const qsizetype first = page * perPage;
        const qsizetype pageRows = std::clamp<qsizetype>(rowCount - first, 0, perPage);
        const qsizetype usedBlocks = std::max<qsizetype>(1, ceilDiv(pageRows, perBlock));

        if (page > 0)
            text += formFeed;
        QString title = table.title;
        if (pages > 1)
            title += QStringLiteral(" (Seite %1 von %2)").arg(page + 1).arg(pages);
        appendLine(text, title);
        if (!table.note.isEmpty())
            appendLine(text, table.note);
        appendLine(text, QString());

        QStringList headings(usedBlocks, heading);
        QStringList rules(usedBlocks, rule);
        appendLine(text, headings.join(blockGap));
        appendLine(text, rules.join(blockGap));

        for (qsizetype line = 0; line < std::min(perBlock, pageRows); ++line) {
            QStringList entries;
            for (qsizetype block = 0; block < usedBlocks; ++block) {
                const qsizetype index = first + block * perBlock + line;
                if (index >= first + pageRows)
                    break;
                const QStringList &row = table.rows.at(index);
                QString entry;
                for (qsizetype c = 0; c < columnCount; ++c) {
                    if (c > 0)
                        entry += columnGap;
                    entry += cellText(c < row.size() ? row.at(c) : QString(), widths.at(c),
                                      table.columns.at(c).alignRight);
                }
                entries.append(entry);
            }
            appendLine(text, entries.join(blockGap));
        }
    }
    return text;
}

} // namespace velmarit
