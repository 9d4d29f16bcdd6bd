// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPointF>

class QPainter;

namespace velmarit {

// A decoder's DIP switch block as printed on its sheet: a row of slots, each
// with a black lever in its upper half (ON, towards the "ON" mark at the
// left) or its lower half (OFF), and the switch numbers under the slots.
// Position alone tells ON from OFF, so it reads the same in black and white.
class SwitchBlock
{
public:
    // `unitsPerMm`: the painter's units to a millimetre. `labelFont`: the
    // switch numbers' font, sized in those units (a pixel size).
    SwitchBlock(qreal unitsPerMm, const QFont &labelFont);

    qreal width(int switchCount) const;
    qreal height() const;
    // The vertical middle of the slots, measured from the block's top: the
    // row's text is centred on it.
    qreal slotMiddle() const;

    // Bit n-1 of `onSwitches` is switch n.
    void paint(QPainter &painter, QPointF topLeft, int switchCount, unsigned onSwitches) const;

private:
    qreal mm(qreal millimetres) const { return millimetres * m_unitsPerMm; }

    qreal m_unitsPerMm;
    QFont m_labelFont;
    QFont m_markFont;
    qreal m_labelHeight;
};

} // namespace velmarit
