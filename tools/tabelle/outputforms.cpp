// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "outputforms.h"

#include "language/qtexts.h"
#include "tables/rowspread.h"

#include <algorithm>
#include <QList>

namespace velmarit {

namespace {

const QString columnGap = QStringLiteral("  ");
const QString blockGap = QStringLiteral("  |  ");
constexpr QChar formFeed = u'\f';

void appendTexts(QStringList &texts, const std::vector<std::string> &from)
{
    for (const std::string &text : from)
        texts.append(QString::fromStdString(text));
}

// The headings of all columns in print order, short (text) or full (CSV).
QStringList headings(const CodingTable &table, std::string TableColumn::*which)
{
    QStringList result;
    for (const TableColumn &column : table.leading)
        result.append(QString::fromStdString(column.*which));
    result.append(QString::fromStdString(table.switches.*which));
    for (const TableColumn &column : table.trailing)
        result.append(QString::fromStdString(column.*which));
    return result;
}

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

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u',') + u'\n';
}

} // namespace

QStringList rowCells(const CodingTable &table, const TableRow &row)
{
    QStringList cells;
    appendTexts(cells, row.leading);
    cells.append(QString::fromStdString(switchesOnText(table, row)));
    appendTexts(cells, row.trailing);
    return cells;
}

QString formatText(const CodingTable &table, PageLimits limits, const Texts &language)
{
    const QStringList columnHeadings = headings(table, &TableColumn::shortHeading);
    const qsizetype columnCount = columnHeadings.size();
    // Numbers line up on their last digit; the list of switches reads from the left.
    const qsizetype switchColumn = qsizetype(table.leading.size());
    const auto alignRight = [switchColumn](qsizetype c) { return c != switchColumn; };

    QList<QStringList> rows;
    rows.reserve(qsizetype(table.rows.size()));
    for (const TableRow &row : table.rows)
        rows.append(rowCells(table, row));

    QList<qsizetype> widths;
    for (const QString &heading : columnHeadings)
        widths.append(heading.size());
    for (const QStringList &row : rows) {
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
        heading += cellText(columnHeadings.at(c), widths.at(c), alignRight(c));
        rule += QString(widths.at(c), u'-');
    }
    const qsizetype blockWidth = heading.size();

    const QString title = QString::fromStdString(table.title);
    const QString note = QString::fromStdString(table.shortNote);
    const int headLines = note.isEmpty() ? 4 : 5; // title, note, blank, heading, rule
    const qsizetype rowCount = rows.size();
    const RowSpread spread =
        spreadRows(rowCount, limits.lines - headLines,
                   (limits.columns + blockGap.size()) / (blockWidth + blockGap.size()));
    const qsizetype pages = spread.pages;
    const qsizetype perBlock = spread.perBlock;
    const qsizetype perPage = perBlock * spread.blocks;

    QString text;
    for (qsizetype page = 0; page < pages; ++page) {
        const qsizetype first = page * perPage;
        const qsizetype pageRows = std::clamp<qsizetype>(rowCount - first, 0, perPage);
        const qsizetype usedBlocks = std::max<qsizetype>(1, ceilDiv(pageRows, perBlock));

        if (page > 0)
            text += formFeed;
        QString pageTitle = title;
        if (pages > 1) {
            pageTitle += QStringLiteral(" (%1)").arg(
                filled(language.sheets.page,
                       {{"page", QString::number(page + 1)}, {"pages", QString::number(pages)}}));
        }
        appendLine(text, pageTitle);
        if (!note.isEmpty())
            appendLine(text, note);
        appendLine(text, QString());

        appendLine(text, QStringList(usedBlocks, heading).join(blockGap));
        appendLine(text, QStringList(usedBlocks, rule).join(blockGap));

        for (qsizetype line = 0; line < std::min(perBlock, pageRows); ++line) {
            QStringList entries;
            for (qsizetype block = 0; block < usedBlocks; ++block) {
                const qsizetype index = first + block * perBlock + line;
                if (index >= first + pageRows)
                    break;
                const QStringList &row = rows.at(index);
                QString entry;
                for (qsizetype c = 0; c < columnCount; ++c) {
                    if (c > 0)
                        entry += columnGap;
                    entry += cellText(row.value(c), widths.at(c), alignRight(c));
                }
                entries.append(entry);
            }
            appendLine(text, entries.join(blockGap));
        }
    }
    return text;
}

QString csvField(const QString &field)
{
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') ||
                             field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes)
        return field;
    QString escaped = field;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QString formatCsv(const CodingTable &table)
{
    QString text = csvLine(headings(table, &TableColumn::heading));
    for (const TableRow &row : table.rows)
        text += csvLine(rowCells(table, row));
    return text;
}

QByteArray windowsFileBytes(const QString &text, OutputForm form)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray bytes;
    bytes.reserve(utf8.size() + utf8.count('\n') + 3);
    if (form == OutputForm::Csv)
        bytes.append("\xEF\xBB\xBF");
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r'))
            bytes.append('\r');
        bytes.append(utf8[i]);
    }
    return bytes;
}

} // namespace velmarit
