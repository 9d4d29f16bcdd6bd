// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/switchblock.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

namespace velmarit {

namespace {

// Millimetres on paper. The lever keeps a clear gap to its slot's edges and
// to the middle, so a printed sheet (and a test reading the rendered page)
// never has to guess which half it is in.
constexpr qreal markWidth = 3.6; // left of the first slot, for the ON mark
constexpr qreal padTop = 0.4;
constexpr qreal padRight = 0.5;
constexpr qreal padBottom = 0.2;
constexpr qreal switchPitch = 4.2;
constexpr qreal slotWidth = 2.6;
constexpr qreal slotHeight = 3.9;
constexpr qreal slotLine = 0.2;
constexpr qreal leverWidth = 1.8;
constexpr qreal leverHeight = 1.4;
constexpr qreal leverInset = 0.4; // from the slot's top or bottom edge
constexpr qreal labelGap = 0.15;
constexpr qreal outline = 0.25;
constexpr qreal markLetterHeight = 1.9; // the ON mark's font size in millimetres

} // namespace

SwitchBlock::SwitchBlock(qreal unitsPerMm, const QFont &labelFont)
    : m_unitsPerMm(unitsPerMm), m_labelFont(labelFont), m_markFont(labelFont)
{
    m_labelHeight = QFontMetricsF(labelFont).height();
    // A path takes the font's size in the painter's units, not in points.
    m_markFont.setBold(true);
    m_markFont.setPixelSize(qRound(mm(markLetterHeight)));
}

qreal SwitchBlock::width(int switchCount) const
{
    return mm(markWidth + switchCount * switchPitch + padRight);
}

qreal SwitchBlock::height() const
{
    return mm(padTop + slotHeight + labelGap + padBottom) + m_labelHeight;
}

qreal SwitchBlock::slotMiddle() const
{
    return mm(padTop + slotHeight / 2);
}

void SwitchBlock::paint(QPainter &painter, QPointF topLeft, int switchCount,
                        unsigned onSwitches) const
{
    painter.save();
    const QRectF body(topLeft, QSizeF(width(switchCount), height()));
    painter.setPen(QPen(Qt::black, mm(outline)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, mm(0.6), mm(0.6));

    // The ON mark: the word beside the upper halves and an arrow pointing up
    // beneath it, drawn as outlines so that the page's text holds only the
    // table itself.
    const qreal slotTop = topLeft.y() + mm(padTop);
    QPainterPath mark;
    const qreal markX = topLeft.x() + mm(0.5);
    mark.addText(QPointF(markX, slotTop + mm(1.6)), m_markFont, QStringLiteral("ON"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(mark);
    const qreal arrowX = markX + mark.boundingRect().width() / 2;
    const qreal arrowTop = slotTop + mm(2.5);
    painter.drawPolygon(
        QPolygonF({QPointF(arrowX, arrowTop), QPointF(arrowX - mm(0.9), arrowTop + mm(1.3)),
                   QPointF(arrowX + mm(0.9), arrowTop + mm(1.3))}));

    painter.setFont(m_labelFont);
    for (int sw = 1; sw <= switchCount; ++sw) {
        const qreal centre = topLeft.x() + mm(markWidth + (sw - 1) * switchPitch + switchPitch / 2);
        const QRectF slot(centre - mm(slotWidth / 2), slotTop, mm(slotWidth), mm(slotHeight));
        painter.setPen(QPen(Qt::black, mm(slotLine)));
        painter.setBrush(Qt::white);
        painter.drawRect(slot);

        const bool on = (onSwitches >> (sw - 1)) & 1u;
        const qreal leverTop =
            on ? slot.top() + mm(leverInset) : slot.bottom() - mm(leverInset + leverHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawRect(
            QRectF(centre - mm(leverWidth / 2), leverTop, mm(leverWidth), mm(leverHeight)));

        painter.setPen(Qt::black);
        const QRectF label(centre - mm(switchPitch / 2), slot.bottom() + mm(labelGap),
                           mm(switchPitch), m_labelHeight);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(sw));
    }
    painter.restore();
}

} // namespace velmarit
