// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfsheets.h"

#include "pdfcreationdate.h"
#include "pdfplatform.h"
#include "rowspread.h"
#include "switchblock.h"

#include <algorithm>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace velmarit {

namespace {

// Device units: at 720 dots per inch a point is ten units.
constexpr int resolution = 720;
constexpr qreal unitsPerMm = resolution / 25.4;

qreal mm(qreal millimetres)
{
    return millimetres * unitsPerMm;
}

// The page in millimetres. The rows of a full page are two keyboards of
// turnouts (32 rows), which the pitch is chosen for.
constexpr qreal pageWidth = 210;
constexpr qreal pageHeight = 297;
constexpr qreal marginLeft = 15;
constexpr qreal marginRight = 15;
constexpr qreal headerTop = 10;
constexpr qreal rowsTop = 44;
constexpr qreal rowsBottom = 282;
constexpr qreal footerBaseline = 289;
constexpr qreal rowPitch = 7.4;
constexpr qreal cellGap = 4;
constexpr qreal blockGap = 9;

const QString legend =
    QStringLiteral("Schalterblock: Hebel oben (zur Marke ON hin) = ON, Hebel unten = OFF; "
                   "darunter die Schalternummern.");

struct Fonts
{
    QFont header;
    QFont title;
    QFont note;
    QFont heading;
    QFont address;
    QFont cell;
    QFont label;
};

QFont fontOf(const QString &family, qreal points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Outlines as designed: the PDF is for paper, not for a screen's pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

Fonts fontsOf(const QString &family)
{
    Fonts fonts{fontOf(family, 8.5),       fontOf(family, 13, true), fontOf(family, 8.5),
                fontOf(family, 8.5, true), fontOf(family, 10, true), fontOf(family, 10),
                fontOf(family, 5.5)};
    // Wider gaps between the switch numbers read better, and keep them
    // apart for a program that copies the text out of the page (PDF text
    // has no space characters, only gaps).
    fonts.cell.setWordSpacing(mm(0.9));
    return fonts;
}

// Where the columns of one block of rows stand, relative to the block's left.
struct ColumnPlan
{
    QList<qreal> leadingRight; // right edges (numbers are right-aligned)
    qreal blockLeft = 0;
    qreal onLeft = 0;
    qreal onWidth = 0;
    QList<qreal> trailingRight;
    qreal width = 0;
};

// One table's place in the document.
struct TablePlan
{
    const SheetTable *table = nullptr;
    ColumnPlan columns;
    RowSpread spread;
    int firstPage = 0; // counted from 0 over the whole document
};

class SheetPainter
{
public:
    SheetPainter(QPainter &painter, const PdfHeading &heading)
        : m_painter(painter), m_heading(heading), m_fonts(fontsOf(pdfFontFamily())),
          m_block(painter.device(), unitsPerMm, m_fonts.label)
    {
    }

    ColumnPlan planColumns(const SheetTable &table) const;
    void setPageCount(int pageCount) { m_pageCount = pageCount; }
    void paintPage(const TablePlan &plan, qsizetype tablePage);

private:
    qreal textWidth(const QFont &font, const QString &text) const
    {
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text);
    }
    void text(const QFont &font, const QRectF &box, int flags, const QString &text);
    void rule(qreal x1, qreal x2, qreal y, qreal widthMm, const QColor &colour = Qt::black);
    void paintFrame(const TablePlan &plan, qsizetype tablePage);
    void paintBlock(const TablePlan &plan, qreal left, qsizetype first, qsizetype count);

    QPainter &m_painter;
    const PdfHeading &m_heading;
    int m_pageCount = 0;
    Fonts m_fonts;
    SwitchBlock m_block;
};

ColumnPlan SheetPainter::planColumns(const SheetTable &table) const
{
    const auto widest = [&](const QString &heading, const QFont &font, auto cellOf) {
        qreal width = textWidth(m_fonts.heading, heading);
        for (const SheetRow &row : table.rows)
            width = std::max(width, textWidth(font, cellOf(row)));
        return width;
    };

    ColumnPlan plan;
    qreal x = 0;
    for (qsizetype c = 0; c < table.leadingHeadings.size(); ++c) {
        // The first cell is the row's address, set in bold.
        const QFont &font = c == 0 ? m_fonts.address : m_fonts.cell;
        x += widest(table.leadingHeadings.at(c), font,
                    [c](const SheetRow &row) { return row.leading.value(c); });
        plan.leadingRight.append(x);
        x += mm(cellGap);
    }
    plan.blockLeft = x;
    x += std::max(m_block.width(table.switchCount), textWidth(m_fonts.heading, table.blockHeading));
    x += mm(cellGap);
    plan.onLeft = x;
    plan.onWidth =
        widest(table.onHeading, m_fonts.cell, [](const SheetRow &row) { return row.onText; });
    x += plan.onWidth;
    for (qsizetype c = 0; c < table.trailingHeadings.size(); ++c) {
        x += mm(cellGap);
        x += widest(table.trailingHeadings.at(c), m_fonts.cell,
                    [c](const SheetRow &row) { return row.trailing.value(c); });
        plan.trailingRight.append(x);
    }
    plan.width = x;
    return plan;
}

void SheetPainter::text(const QFont &font, const QRectF &box, int flags, const QString &text)
{
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(box, flags | Qt::TextSingleLine, text);
}

void SheetPainter::rule(qreal x1, qreal x2, qreal y, qreal widthMm, const QColor &colour)
{
    m_painter.setPen(QPen(colour, mm(widthMm), Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void SheetPainter::paintFrame(const TablePlan &plan, qsizetype tablePage)
{
    const qreal left = mm(marginLeft);
    const qreal right = mm(pageWidth - marginRight);
    const qreal width = right - left;
    const qreal line = mm(4.5);

    text(m_fonts.header, QRectF(left, mm(headerTop), width, line), Qt::AlignLeft | Qt::AlignBottom,
         QStringLiteral("Velmarit – Codiertabellen der DIP-Schalter"));
    text(m_fonts.header, QRectF(left, mm(headerTop), width, line), Qt::AlignRight | Qt::AlignBottom,
         m_heading.program);
    rule(left, right, mm(headerTop) + line + mm(1), 0.2);

    QString title = plan.table->title;
    if (tablePage > 0)
        title += QStringLiteral(" (Fortsetzung)");
    text(m_fonts.title, QRectF(left, mm(headerTop + 7.5), width, mm(6.5)),
         Qt::AlignLeft | Qt::AlignVCenter, title);
    text(m_fonts.note, QRectF(left, mm(headerTop + 14.5), width, line),
         Qt::AlignLeft | Qt::AlignVCenter, plan.table->note);
    text(m_fonts.note, QRectF(left, mm(headerTop + 19), width, line),
         Qt::AlignLeft | Qt::AlignVCenter, legend);

    const int page = plan.firstPage + static_cast<int>(tablePage) + 1;
    text(m_fonts.header, QRectF(left, mm(footerBaseline - 4), width, mm(4)),
         Qt::AlignHCenter | Qt::AlignBottom,
         QStringLiteral("Seite %1 von %2").arg(page).arg(m_pageCount));
}

void SheetPainter::paintBlock(const TablePlan &plan, qreal left, qsizetype first, qsizetype count)
{
    const SheetTable &table = *plan.table;
    const ColumnPlan &columns = plan.columns;
    const qreal headingTop = mm(rowsTop - 6);
    const qreal headingHeight = mm(5);
    const int right = Qt::AlignRight | Qt::AlignVCenter;
    const int leftAligned = Qt::AlignLeft | Qt::AlignVCenter;

    for (qsizetype c = 0; c < table.leadingHeadings.size(); ++c) {
        text(m_fonts.heading, QRectF(left, headingTop, columns.leadingRight.at(c), headingHeight),
             right, table.leadingHeadings.at(c));
    }
    text(m_fonts.heading,
         QRectF(left + columns.blockLeft, headingTop, columns.onLeft - columns.blockLeft,
                headingHeight),
         leftAligned, table.blockHeading);
    text(m_fonts.heading, QRectF(left + columns.onLeft, headingTop, columns.onWidth, headingHeight),
         leftAligned, table.onHeading);
    for (qsizetype c = 0; c < table.trailingHeadings.size(); ++c) {
        text(m_fonts.heading, QRectF(left, headingTop, columns.trailingRight.at(c), headingHeight),
             right, table.trailingHeadings.at(c));
    }
    rule(left, left + columns.width, mm(rowsTop - 0.5), 0.35);

    const qreal blockOffset = (mm(rowPitch) - m_block.height()) / 2;
    for (qsizetype i = 0; i < count; ++i) {
        const SheetRow &row = table.rows.at(first + i);
        const qreal top = mm(rowsTop + i * rowPitch);
        const qreal middle = top + blockOffset + m_block.slotMiddle();
        const qreal cellHeight = mm(6);
        const auto cell = [&](qreal x, qreal w) {
            return QRectF(x, middle - cellHeight / 2, w, cellHeight);
        };

        if (row.startsGroup && i > 0)
            rule(left, left + columns.width, top, 0.35);
        for (qsizetype c = 0; c < row.leading.size() && c < columns.leadingRight.size(); ++c) {
            text(c == 0 ? m_fonts.address : m_fonts.cell, cell(left, columns.leadingRight.at(c)),
                 right, row.leading.at(c));
        }
        m_block.paint(m_painter, QPointF(left + columns.blockLeft, top + blockOffset),
                      table.switchCount, row.onSwitches);
        text(m_fonts.cell, cell(left + columns.onLeft, columns.onWidth), leftAligned, row.onText);
        for (qsizetype c = 0; c < row.trailing.size() && c < columns.trailingRight.size(); ++c)
            text(m_fonts.cell, cell(left, columns.trailingRight.at(c)), right, row.trailing.at(c));
        if (i + 1 < count)
            rule(left, left + columns.width, top + mm(rowPitch), 0.1, QColor(150, 150, 150));
    }
}

void SheetPainter::paintPage(const TablePlan &plan, qsizetype tablePage)
{
    paintFrame(plan, tablePage);
    const RowSpread &spread = plan.spread;
    const qsizetype rowCount = plan.table->rows.size();
    const qsizetype perPage = spread.perBlock * spread.blocks;
    const qsizetype first = tablePage * perPage;
    const qsizetype pageRows = std::clamp<qsizetype>(rowCount - first, 0, perPage);
    for (qsizetype b = 0; b * spread.perBlock < pageRows; ++b) {
        const qreal left = mm(marginLeft) + b * (plan.columns.width + mm(blockGap));
        const qsizetype blockFirst = first + b * spread.perBlock;
        paintBlock(plan, left, blockFirst,
                   std::min(spread.perBlock, first + pageRows - blockFirst));
    }
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString pdfFontFamily()
{
    const QStringList families = pdfFontFamilies();
    for (const QString &family : families) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

bool paintPdf(QIODevice *device, const QList<SheetTable> &tables, const PdfHeading &heading)
{
    QPdfWriter writer(device);
    writer.setResolution(resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Velmarit – Codiertabellen der DIP-Schalter"));
    writer.setCreator(heading.program);

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);

    // Every page names the document's page count, so all tables are laid
    // out before the first page is painted.
    SheetPainter sheets(painter, heading);
    QList<TablePlan> plans;
    int pageCount = 0;
    const qreal contentWidth = mm(pageWidth - marginLeft - marginRight);
    const auto capacity = static_cast<qsizetype>((rowsBottom - rowsTop) / rowPitch);
    for (const SheetTable &table : tables) {
        TablePlan plan;
        plan.table = &table;
        plan.columns = sheets.planColumns(table);
        const auto fitting = static_cast<qsizetype>((contentWidth + mm(blockGap)) /
                                                    (plan.columns.width + mm(blockGap)));
        plan.spread = spreadRows(table.rows.size(), capacity, fitting);
        plan.firstPage = pageCount;
        pageCount += static_cast<int>(plan.spread.pages);
        plans.append(plan);
    }

    sheets.setPageCount(pageCount);
    bool firstPage = true;
    for (const TablePlan &plan : plans) {
        for (qsizetype p = 0; p < plan.spread.pages; ++p) {
            if (!firstPage)
                writer.newPage();
            firstPage = false;
            sheets.paintPage(plan, p);
        }
    }
    return painter.end();
}

QString writePdfFile(const QString &path, const QList<SheetTable> &tables,
                     const PdfHeading &heading)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("„%1“ ist ein Ordner; bitte einen Dateinamen angeben.")
            .arg(nativePath(path));
    // A device or pipe cannot be replaced by a finished file; writing into it
    // directly could leave half a PDF behind.
    if (target.exists() && !target.isFile())
        return QStringLiteral("„%1“ ist keine gewöhnliche Datei.").arg(nativePath(path));
    if (!target.absoluteDir().exists())
        return QStringLiteral("Den Ordner „%1“ gibt es nicht.")
            .arg(nativePath(target.absolutePath()));

    // The whole PDF (a few hundred KB) is made in memory first and written
    // with one call whose count is checked: a short write (a full disk, a
    // quota) must never be committed as a finished file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!paintPdf(&buffer, tables, heading))
        return QStringLiteral("Das PDF „%1“ konnte nicht erzeugt werden.").arg(nativePath(path));
    QByteArray bytes = buffer.data();
    if (const auto epoch = sourceDateEpoch(qgetenv("SOURCE_DATE_EPOCH")))
        bytes = withCreationDate(bytes, *epoch);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("„%1“ kann nicht angelegt werden (%2).")
            .arg(nativePath(path), file.errorString());
    }
    // A short write is retried for the rest, which then fails with the
    // system's reason (a full disk, a size limit).
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written != bytes.size() || !file.flush() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("„%1“ konnte nicht vollständig geschrieben werden (%2); es wurde "
                              "nichts gespeichert.")
            .arg(nativePath(path), reason);
    }
    return {};
}

} // namespace velmarit
