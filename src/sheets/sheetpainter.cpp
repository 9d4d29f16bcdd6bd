// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/sheetpainter.h"

#include "sheets/switchblock.h"
#include "tables/rowspread.h"

#include <algorithm>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QTransform>

namespace velmarit {

namespace {

// The pages are laid out in units of a 720 dots-per-inch A4 page (a point is
// ten units) whatever the device; a transform takes them to the device. Fonts
// are sized in those units too, so that measuring a text gives the same
// width on a PDF writer, a printer and the preview, and every device gets
// the same pages.
constexpr qreal designResolution = 720;
constexpr qreal unitsPerMm = designResolution / 25.4;
constexpr qreal unitsPerPoint = designResolution / 72;

qreal mm(qreal millimetres)
{
    return millimetres * unitsPerMm;
}

// The page in millimetres. The rows of a full page are two keyboards of
// turnouts (32 rows), which the pitch is chosen for.
constexpr qreal pageWidth = 210;
constexpr qreal marginLeft = 15;
constexpr qreal marginRight = 15;
constexpr qreal headerTop = 10;
constexpr qreal rowsTop = 44;
constexpr qreal rowsBottom = 282;
constexpr qreal footerBaseline = 289;
constexpr qreal rowPitch = 7.4;
constexpr qreal cellGap = 4;
constexpr qreal blockGap = 9;
// What must be on paper: from the header's top to below the page number.
constexpr qreal contentBottom = footerBaseline + 1;

const QString legend =
    QStringLiteral("Schalterblock: Hebel oben (zur Marke ON hin) = ON, Hebel unten = OFF; "
                   "darunter die Schalternummern.");

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

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
    font.setPixelSize(qRound(points * unitsPerPoint));
    font.setBold(bold);
    // Outlines as designed: the pages are for paper, not for a screen's pixels.
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

// A table's cells as the pages show them.
struct SheetRow
{
    QStringList leading;
    unsigned onSwitches = 0;
    QString onText;
    QStringList trailing;
    bool startsGroup = false;
};

struct SheetTable
{
    QString title;
    QString note;
    int switchCount = 0;
    QStringList leadingHeadings;
    QString onHeading;
    QStringList trailingHeadings;
    QList<SheetRow> rows;
};

QStringList headingsOf(const std::vector<TableColumn> &columns)
{
    QStringList headings;
    for (const TableColumn &column : columns)
        headings.append(fromStd(column.heading));
    return headings;
}

QStringList cellsOf(const std::vector<std::string> &cells)
{
    QStringList texts;
    for (const std::string &cell : cells)
        texts.append(fromStd(cell));
    return texts;
}

SheetTable sheetOf(const CodingTable &table)
{
    SheetTable sheet{fromStd(table.title),
                     fromStd(table.note),
                     table.switchCount,
                     headingsOf(table.leading),
                     fromStd(table.switches.heading),
                     headingsOf(table.trailing),
                     {}};
    for (const TableRow &row : table.rows) {
        sheet.rows.append({cellsOf(row.leading), row.onSwitches,
                           fromStd(switchesOnText(row.onSwitches, table.switchCount)),
                           cellsOf(row.trailing), row.startsGroup});
    }
    return sheet;
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
    SheetTable table;
    ColumnPlan columns;
    RowSpread spread;
    int firstPage = 0; // counted from 0 over the whole document
};

const QString blockHeading = QStringLiteral("Schalterblock");

qreal textWidth(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

ColumnPlan planColumns(const SheetTable &table, const Fonts &fonts, const SwitchBlock &block)
{
    const auto widest = [&](const QString &heading, const QFont &font, auto cellOf) {
        qreal width = textWidth(fonts.heading, heading);
        for (const SheetRow &row : table.rows)
            width = std::max(width, textWidth(font, cellOf(row)));
        return width;
    };

    ColumnPlan plan;
    qreal x = 0;
    for (qsizetype c = 0; c < table.leadingHeadings.size(); ++c) {
        // The first cell is the row's address, set in bold.
        const QFont &font = c == 0 ? fonts.address : fonts.cell;
        x += widest(table.leadingHeadings.at(c), font,
                    [c](const SheetRow &row) { return row.leading.value(c); });
        plan.leadingRight.append(x);
        x += mm(cellGap);
    }
    plan.blockLeft = x;
    x += std::max(block.width(table.switchCount), textWidth(fonts.heading, blockHeading));
    x += mm(cellGap);
    plan.onLeft = x;
    plan.onWidth =
        widest(table.onHeading, fonts.cell, [](const SheetRow &row) { return row.onText; });
    x += plan.onWidth;
    for (qsizetype c = 0; c < table.trailingHeadings.size(); ++c) {
        x += mm(cellGap);
        x += widest(table.trailingHeadings.at(c), fonts.cell,
                    [c](const SheetRow &row) { return row.trailing.value(c); });
        plan.trailingRight.append(x);
    }
    plan.width = x;
    return plan;
}

// All tables laid out before the first page is painted: every page names
// the document's page count.
struct DocumentPlan
{
    Fonts fonts;
    SwitchBlock block;
    QList<TablePlan> tables;
    int pageCount = 0;
};

DocumentPlan planDocument(const std::vector<CodingTable> &tables)
{
    const Fonts fonts = fontsOf(sheetFontFamily());
    DocumentPlan document{fonts, SwitchBlock(unitsPerMm, fonts.label), {}, 0};
    const qreal contentWidth = mm(pageWidth - marginLeft - marginRight);
    const auto capacity = static_cast<qsizetype>((rowsBottom - rowsTop) / rowPitch);
    for (const CodingTable &table : tables) {
        TablePlan plan;
        plan.table = sheetOf(table);
        plan.columns = planColumns(plan.table, fonts, document.block);
        const auto fitting = static_cast<qsizetype>((contentWidth + mm(blockGap)) /
                                                    (plan.columns.width + mm(blockGap)));
        plan.spread = spreadRows(plan.table.rows.size(), capacity, fitting);
        plan.firstPage = document.pageCount;
        document.pageCount += static_cast<int>(plan.spread.pages);
        document.tables.append(plan);
    }
    return document;
}

class PagePainter
{
public:
    PagePainter(QPainter &painter, const DocumentPlan &document, const SheetHeading &heading)
        : m_painter(painter), m_document(document), m_fonts(document.fonts), m_heading(heading)
    {
    }

    void paintPage(const TablePlan &plan, qsizetype tablePage);

private:
    void text(const QFont &font, const QRectF &box, int flags, const QString &text);
    void rule(qreal x1, qreal x2, qreal y, qreal widthMm, const QColor &colour = Qt::black);
    void paintFrame(const TablePlan &plan, qsizetype tablePage);
    void paintBlock(const TablePlan &plan, qreal left, qsizetype first, qsizetype count);

    QPainter &m_painter;
    const DocumentPlan &m_document;
    const Fonts &m_fonts;
    const SheetHeading &m_heading;
};

void PagePainter::text(const QFont &font, const QRectF &box, int flags, const QString &text)
{
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(box, flags | Qt::TextSingleLine, text);
}

void PagePainter::rule(qreal x1, qreal x2, qreal y, qreal widthMm, const QColor &colour)
{
    m_painter.setPen(QPen(colour, mm(widthMm), Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(QPointF(x1, y), QPointF(x2, y));
}

void PagePainter::paintFrame(const TablePlan &plan, qsizetype tablePage)
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

    QString title = plan.table.title;
    if (tablePage > 0)
        title += QStringLiteral(" (Fortsetzung)");
    text(m_fonts.title, QRectF(left, mm(headerTop + 7.5), width, mm(6.5)),
         Qt::AlignLeft | Qt::AlignVCenter, title);
    text(m_fonts.note, QRectF(left, mm(headerTop + 14.5), width, line),
         Qt::AlignLeft | Qt::AlignVCenter, plan.table.note);
    text(m_fonts.note, QRectF(left, mm(headerTop + 19), width, line),
         Qt::AlignLeft | Qt::AlignVCenter, legend);

    const int page = plan.firstPage + static_cast<int>(tablePage) + 1;
    text(m_fonts.header, QRectF(left, mm(footerBaseline - 4), width, mm(4)),
         Qt::AlignHCenter | Qt::AlignBottom,
         QStringLiteral("Seite %1 von %2").arg(page).arg(m_document.pageCount));
}

void PagePainter::paintBlock(const TablePlan &plan, qreal left, qsizetype first, qsizetype count)
{
    const SheetTable &table = plan.table;
    const ColumnPlan &columns = plan.columns;
    const SwitchBlock &block = m_document.block;
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
         leftAligned, blockHeading);
    text(m_fonts.heading, QRectF(left + columns.onLeft, headingTop, columns.onWidth, headingHeight),
         leftAligned, table.onHeading);
    for (qsizetype c = 0; c < table.trailingHeadings.size(); ++c) {
        text(m_fonts.heading, QRectF(left, headingTop, columns.trailingRight.at(c), headingHeight),
             right, table.trailingHeadings.at(c));
    }
    rule(left, left + columns.width, mm(rowsTop - 0.5), 0.35);

    const qreal blockOffset = (mm(rowPitch) - block.height()) / 2;
    for (qsizetype i = 0; i < count; ++i) {
        const SheetRow &row = table.rows.at(first + i);
        const qreal top = mm(rowsTop + i * rowPitch);
        const qreal middle = top + blockOffset + block.slotMiddle();
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
        block.paint(m_painter, QPointF(left + columns.blockLeft, top + blockOffset),
                    table.switchCount, row.onSwitches);
        text(m_fonts.cell, cell(left + columns.onLeft, columns.onWidth), leftAligned, row.onText);
        for (qsizetype c = 0; c < row.trailing.size() && c < columns.trailingRight.size(); ++c)
            text(m_fonts.cell, cell(left, columns.trailingRight.at(c)), right, row.trailing.at(c));
        if (i + 1 < count)
            rule(left, left + columns.width, top + mm(rowPitch), 0.1, QColor(150, 150, 150));
    }
}

void PagePainter::paintPage(const TablePlan &plan, qsizetype tablePage)
{
    paintFrame(plan, tablePage);
    const RowSpread &spread = plan.spread;
    const qsizetype rowCount = plan.table.rows.size();
    const qsizetype perPage = spread.perBlock * spread.blocks;
    const qsizetype first = tablePage * perPage;
    const qsizetype pageRows = std::clamp<qsizetype>(rowCount - first, 0, perPage);
    for (qsizetype b = 0; b * spread.perBlock < pageRows; ++b) {
        const qreal left = mm(marginLeft) + b * (plan.columns.width + mm(blockGap));
        const qsizetype blockFirst = first + b * spread.perBlock;
        paintBlock(plan, left, blockFirst,
                   std::min<qsizetype>(spread.perBlock, first + pageRows - blockFirst));
    }
}

// From the design's units to the device's. The painter's origin is the
// corner of the device's printable area.
QTransform designToDevice(const QPagedPaintDevice &device)
{
    const QPageLayout layout = device.pageLayout();
    // Both rectangles in design units, measured from the paper's corner.
    const QRectF paintable(layout.paintRect(QPageLayout::Point).topLeft() * unitsPerPoint,
                           layout.paintRect(QPageLayout::Point).size() * unitsPerPoint);
    const QRectF content(QPointF(mm(marginLeft), mm(headerTop)),
                         QPointF(mm(pageWidth - marginRight), mm(contentBottom)));
    const bool a4Portrait =
        layout.pageSize().id() == QPageSize::A4 && layout.orientation() == QPageLayout::Portrait;

    qreal scale = 1;
    QPointF offset; // where the design's corner lands on the paper
    if (!(a4Portrait && paintable.contains(content))) {
        scale = std::min(
            {qreal(1), paintable.width() / content.width(), paintable.height() / content.height()});
        offset = paintable.center() - content.center() * scale;
    }
    QTransform transform;
    transform.scale(device.logicalDpiX() / designResolution,
                    device.logicalDpiY() / designResolution);
    transform.translate(offset.x() - paintable.left(), offset.y() - paintable.top());
    transform.scale(scale, scale);
    return transform;
}

} // namespace

QString sheetFontFamily()
{
#ifdef Q_OS_WIN
    // Arial is on every Windows; Liberation Sans has the same metrics where
    // someone installed it.
    const QStringList families{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
#else
    // Liberation Sans comes with the program's Debian package; Arial is the
    // same design where it does not.
    const QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
#endif
    for (const QString &family : families) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

int sheetPageCount(const std::vector<CodingTable> &tables)
{
    return planDocument(tables).pageCount;
}

bool paintSheets(QPagedPaintDevice &device, const std::vector<CodingTable> &tables,
                 const SheetHeading &heading, int first, int last)
{
    const DocumentPlan document = planDocument(tables);
    first = std::max(first, 1);
    last = last <= 0 ? document.pageCount : std::min(last, document.pageCount);
    if (first > last)
        return false;

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const QTransform transform = designToDevice(device);
    if (!transform.isIdentity())
        painter.setWorldTransform(transform);

    PagePainter pages(painter, document, heading);
    bool firstPainted = true;
    for (const TablePlan &plan : document.tables) {
        for (qsizetype p = 0; p < plan.spread.pages; ++p) {
            const int page = plan.firstPage + static_cast<int>(p) + 1;
            if (page < first || page > last)
                continue;
            if (!firstPainted)
                device.newPage();
            firstPainted = false;
            pages.paintPage(plan, p);
        }
    }
    return painter.end();
}

} // namespace velmarit
