// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/switchbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velmarit {

SwitchBox::SwitchBox(QWidget *parent) : QCheckBox(parent) {}

void SwitchBox::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = rect();
    // The style shows keyboard focus on the indicator itself: there is no
    // caption to draw a focus rectangle around.
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
}

bool SwitchBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace velmarit
