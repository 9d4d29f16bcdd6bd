// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/captionframe.h"

#include <qdrawutil.h>
#include <QPainter>

namespace velmarit {

namespace {
constexpr int captionIndent = 6; // px from the frame's left edge
}

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

void CaptionFrame::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineTop = metrics.height() / 2;

    // An etched line: dark, with a light line inside it.
    qDrawShadeRect(&painter, 0, lineTop, width(), height() - lineTop, palette(), true, 1, 0);

    const QRect captionRect(captionIndent, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(captionRect, palette().color(backgroundRole()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

} // namespace velmarit
