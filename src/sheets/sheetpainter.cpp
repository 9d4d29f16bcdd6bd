// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/sheetpainter.h"

#include "language/qtexts.h"
#include "sheets/sheetmetrics.h"
#include "sheets/switchblock.h"
#include "tables/rowspread.h"

#include <algorithm>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QTransform>

namespace velmarit {

namespace {

constexpr SheetMetrics metrics = sheetMetrics;

// The pages are laid out in units of a 720 dots-per-inch A4 page whatever the
// device; a transform takes them to the device. Fonts are sized in those
// units too, so that measuring a text gives the same width on a PDF writer, a
// printer and the preview, and every device gets the same pages.
constexpr qreal designResolution = SheetMetrics::designResolution;
constexpr qreal unitsPerMm = designResolution / 25.4;
constexpr qreal unitsPerPoint = designResolution / 72;

qreal mm(qreal millimetres)
{
    return millimetres * unitsPerMm;
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// Cell `c` of a row's cells; a row shorter than its table's headings shows
// nothing there.
QString cellText(const std::vector<std::string> &cells, std::size_t c)
{
    return c < cells.size() ? fromStd(cells[c]) : QString();
}

QString onText(const TableRow &row, const CodingTable &table)
{
    return fromStd(switchesOnText(table, row));
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

QFont fontOf(const QString &family, SheetMetrics::Font size)
{
    QFont font(family);
    font.setPixelSize(qRound(size.points * unitsPerPoint));
    font.setBold(size.bold);
    // Outlines as designed: the pages are for paper, not for a screen's pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

Fonts fontsOf(const QString &family)
{
    const SheetMetrics::Fonts &sizes = metrics.fonts;
    Fonts fonts{.header = fontOf(family, sizes.header),
                .title = fontOf(family, sizes.title),
                .note = fontOf(family, sizes.note),
                .heading = fontOf(family, sizes.heading),
                .address = fontOf(family, sizes.address),
                .cell = fontOf(family, sizes.cell),
                .label = fontOf(family, sizes.label)};
    fonts.cell.setWordSpacing(mm(metrics.rows.cellWordSpacing));
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

// One table's place in the document. The table is the caller's, which
// outlives the plan.
struct TablePlan
{
    const CodingTable *table = nullptr;
    ColumnPlan columns;
    RowSpread spread;
    int firstPage = 0; // counted from 0 over the whole document
};

// The words around the tables, in the language of their texts.
struct FrameWords
{
    QString title;
    QString legend;
    QString blockHeading;
    std::string_view continued; // "{title} (Fortsetzung)"
    std::string_view page;      // "Seite {page} von {pages}"
};

FrameWords frameWords(const Texts &language)
{
    const auto &sheets = language.sheets;
    return {sheetDocumentTitle(language), toQString(sheets.legend), toQString(sheets.block),
            sheets.continued, sheets.page};
}

// Every character the pages of `tables` show, page numbers included.
QString pageCharacters(const std::vector<CodingTable> &tables, const FrameWords &words)
{
    QString text = words.title + words.legend + words.blockHeading +
                   filled(words.continued, {{"title", QString()}}) +
                   filled(words.page, {{"page", QStringLiteral("0123456789")}, {"pages", {}}}) +
                   QStringLiteral("ON");
    const auto add = [&text](const std::string &part) { text += fromStd(part); };
    for (const CodingTable &table : tables) {
        add(table.title);
        add(table.note);
        for (const TableColumn &column : table.leading)
            add(column.heading);
        add(table.switches.heading);
        for (const TableColumn &column : table.trailing)
            add(column.heading);
        for (const TableRow &row : table.rows) {
            for (const std::string &cell : row.leading)
                add(cell);
            text += onText(row, table);
            for (const std::string &cell : row.trailing)
                add(cell);
        }
    }
    return text;
}

bool hasEveryCharacter(const QString &family, const QString &text)
{
    const QFontMetricsF metrics{QFont(family)};
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(),
                       [&](uint c) { return QChar::isSpace(c) || metrics.inFontUcs4(c); });
}

qreal textWidth(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

ColumnPlan planColumns(const CodingTable &table, const Fonts &fonts, const SwitchBlock &block,
                       const QString &blockHeading)
{
    const auto widest = [&](const TableColumn &column, const QFont &font, auto cellOf) {
        qreal width = textWidth(fonts.heading, fromStd(column.heading));
        for (const TableRow &row : table.rows)
            width = std::max(width, textWidth(font, cellOf(row)));
        return width;
    };
    const qreal cellGap = mm(metrics.rows.cellGap);

    ColumnPlan plan;
    qreal x = 0;
    for (std::size_t c = 0; c < table.leading.size(); ++c) {
        // The first cell is the row's address, set in bold.
        const QFont &font = c == 0 ? fonts.address : fonts.cell;
        x += widest(table.leading[c], font,
                    [c](const TableRow &row) { return cellText(row.leading, c); });
        plan.leadingRight.append(x);
        x += cellGap;
    }
    plan.blockLeft = x;
    x += std::max(block.width(table.switchCount), textWidth(fonts.heading, blockHeading));
    x += cellGap;
    plan.onLeft = x;
    plan.onWidth = widest(table.switches, fonts.cell,
                          [&table](const TableRow &row) { return onText(row, table); });
    x += plan.onWidth;
    for (std::size_t c = 0; c < table.trailing.size(); ++c) {
        x += cellGap;
        x += widest(table.trailing[c], fonts.cell,
                    [c](const TableRow &row) { return cellText(row.trailing, c); });
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
    FrameWords words;
    QList<TablePlan> tables;
    int pageCount = 0;
};

DocumentPlan planDocument(const std::vector<CodingTable> &tables, const QString &fontFamily,
                          const Texts &language)
{
    const SheetMetrics::Page &page = metrics.page;
    const Fonts fonts = fontsOf(fontFamily);
    DocumentPlan document{fonts, SwitchBlock(unitsPerMm, fonts.label), frameWords(language), {}, 0};
    const qreal contentWidth = mm(page.width - page.marginLeft - page.marginRight);
    const qreal blockGap = mm(metrics.rows.blockGap);
    const auto capacity =
        static_cast<qsizetype>((page.rowsBottom - page.rowsTop) / metrics.rows.pitch);
    for (const CodingTable &table : tables) {
        TablePlan plan;
        plan.table = &table;
        plan.columns = planColumns(table, fonts, document.block, document.words.blockHeading);
        const auto fitting =
            static_cast<qsizetype>((contentWidth + blockGap) / (plan.columns.width + blockGap));
        plan.spread = spreadRows(static_cast<qsizetype>(table.rows.size()), capacity, fitting);
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
    const SheetMetrics::Page &page = metrics.page;
    const SheetMetrics::Header &header = metrics.header;
    const qreal left = mm(page.marginLeft);
    const qreal right = mm(page.width - page.marginRight);
    const qreal width = right - left;
    const qreal line = mm(header.lineHeight);

    text(m_fonts.header, QRectF(left, mm(page.headerTop), width, line),
         Qt::AlignLeft | Qt::AlignBottom, m_document.words.title);
    text(m_fonts.header, QRectF(left, mm(page.headerTop), width, line),
         Qt::AlignRight | Qt::AlignBottom, m_heading.program);
    rule(left, right, mm(page.headerTop) + line + mm(header.ruleGap), header.ruleWidth);

    QString title = fromStd(plan.table->title);
    if (tablePage > 0)
        title = filled(m_document.words.continued, {{"title", title}});
    text(m_fonts.title,
         QRectF(left, mm(page.headerTop + header.titleTop), width, mm(header.titleHeight)),
         Qt::AlignLeft | Qt::AlignVCenter, title);
    text(m_fonts.note, QRectF(left, mm(page.headerTop + header.noteTop), width, line),
         Qt::AlignLeft | Qt::AlignVCenter, fromStd(plan.table->note));
    text(m_fonts.note, QRectF(left, mm(page.headerTop + header.legendTop), width, line),
         Qt::AlignLeft | Qt::AlignVCenter, m_document.words.legend);

    const int pageNumber = plan.firstPage + static_cast<int>(tablePage) + 1;
    text(
        m_fonts.header,
        QRectF(left, mm(page.footerBaseline - header.footerHeight), width, mm(header.footerHeight)),
        Qt::AlignHCenter | Qt::AlignBottom,
        filled(m_document.words.page, {{"page", QString::number(pageNumber)},
                                       {"pages", QString::number(m_document.pageCount)}}));
}

void PagePainter::paintBlock(const TablePlan &plan, qreal left, qsizetype first, qsizetype count)
{
    const CodingTable &table = *plan.table;
    const ColumnPlan &columns = plan.columns;
    const SwitchBlock &block = m_document.block;
    const SheetMetrics::Rows &rows = metrics.rows;
    const qreal rowsTop = metrics.page.rowsTop;
    const qreal headingTop = mm(rowsTop - rows.headingAbove);
    const qreal headingHeight = mm(rows.headingHeight);
    const int right = Qt::AlignRight | Qt::AlignVCenter;
    const int leftAligned = Qt::AlignLeft | Qt::AlignVCenter;
    const QColor rowRuleColour(rows.rowRuleGrey, rows.rowRuleGrey, rows.rowRuleGrey);

    for (qsizetype c = 0; c < columns.leadingRight.size(); ++c) {
        text(m_fonts.heading, QRectF(left, headingTop, columns.leadingRight.at(c), headingHeight),
             right, fromStd(table.leading.at(static_cast<std::size_t>(c)).heading));
    }
    text(m_fonts.heading,
         QRectF(left + columns.blockLeft, headingTop, columns.onLeft - columns.blockLeft,
                headingHeight),
         leftAligned, m_document.words.blockHeading);
    text(m_fonts.heading, QRectF(left + columns.onLeft, headingTop, columns.onWidth, headingHeight),
         leftAligned, fromStd(table.switches.heading));
    for (qsizetype c = 0; c < columns.trailingRight.size(); ++c) {
        text(m_fonts.heading, QRectF(left, headingTop, columns.trailingRight.at(c), headingHeight),
             right, fromStd(table.trailing.at(static_cast<std::size_t>(c)).heading));
    }
    rule(left, left + columns.width, mm(rowsTop - rows.headingRuleAbove), rows.headingRuleWidth);

    const qreal blockOffset = (mm(rows.pitch) - block.height()) / 2;
    for (qsizetype i = 0; i < count; ++i) {
        const TableRow &row = table.rows.at(static_cast<std::size_t>(first + i));
        const qreal top = mm(rowsTop + i * rows.pitch);
        const qreal middle = top + blockOffset + block.slotMiddle();
        const qreal cellHeight = mm(rows.cellHeight);
        const auto cell = [&](qreal x, qreal w) {
            return QRectF(x, middle - cellHeight / 2, w, cellHeight);
        };

        if (row.startsGroup && i > 0)
            rule(left, left + columns.width, top, rows.groupRuleWidth);
        for (std::size_t c = 0;
             c < row.leading.size() && c < std::size_t(columns.leadingRight.size()); ++c) {
            text(c == 0 ? m_fonts.address : m_fonts.cell,
                 cell(left, columns.leadingRight.at(qsizetype(c))), right, fromStd(row.leading[c]));
        }
        block.paint(m_painter, QPointF(left + columns.blockLeft, top + blockOffset),
                    table.switchCount, row.onSwitches);
        text(m_fonts.cell, cell(left + columns.onLeft, columns.onWidth), leftAligned,
             onText(row, table));
        for (std::size_t c = 0;
             c < row.trailing.size() && c < std::size_t(columns.trailingRight.size()); ++c) {
            text(m_fonts.cell, cell(left, columns.trailingRight.at(qsizetype(c))), right,
                 fromStd(row.trailing[c]));
        }
        if (i + 1 < count)
            rule(left, left + columns.width, top + mm(rows.pitch), rows.rowRuleWidth,
                 rowRuleColour);
    }
}

void PagePainter::paintPage(const TablePlan &plan, qsizetype tablePage)
{
    paintFrame(plan, tablePage);
    const RowSpread &spread = plan.spread;
    const auto rowCount = static_cast<qsizetype>(plan.table->rows.size());
    const qsizetype perPage = spread.perBlock * spread.blocks;
    const qsizetype first = tablePage * perPage;
    const qsizetype pageRows = std::clamp<qsizetype>(rowCount - first, 0, perPage);
    for (qsizetype b = 0; b * spread.perBlock < pageRows; ++b) {
        const qreal left =
            mm(metrics.page.marginLeft) + b * (plan.columns.width + mm(metrics.rows.blockGap));
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
    const SheetMetrics::Page &page = metrics.page;
    const QRectF content(QPointF(mm(page.marginLeft), mm(page.headerTop)),
                         QPointF(mm(page.width - page.marginRight), mm(page.contentBottom)));
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

QString sheetDocumentTitle(const Texts &language)
{
    return toQString(language.sheets.title);
}

QStringList sheetFontList()
{
    // Arial is on every Windows; Liberation Sans, with the same metrics,
    // comes with the program's Debian package. Whichever is found first, the
    // pages lay out alike.
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}

std::optional<QString> sheetFontFamily(const std::vector<CodingTable> &tables,
                                       const Texts &language)
{
    for (const QString &family : sheetFontList()) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    // Without them a font that lacks a character would print it as an empty
    // box, or print nothing at all where there is no font. The system's
    // usual font is asked first.
    const QStringList installed = QFontDatabase::families();
    QStringList candidates = installed;
    const QString usual = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    if (installed.contains(usual))
        candidates.prepend(usual);
    const QString characters = pageCharacters(tables, frameWords(language));
    for (const QString &family : std::as_const(candidates)) {
        if (hasEveryCharacter(family, characters))
            return family;
    }
    return std::nullopt;
}

int sheetPageCount(const std::vector<CodingTable> &tables, const Texts &language)
{
    return planDocument(tables, sheetFontFamily(tables, language).value_or(QString()), language)
        .pageCount;
}

bool paintSheets(QPagedPaintDevice &device, const std::vector<CodingTable> &tables,
                 const SheetHeading &heading, int first, int last)
{
    const Texts &language = *heading.language;
    const std::optional<QString> fontFamily = sheetFontFamily(tables, language);
    if (!fontFamily)
        return false;
    const DocumentPlan document = planDocument(tables, *fontFamily, language);
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
