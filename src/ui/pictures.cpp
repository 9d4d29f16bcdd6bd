// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace velmarit {

QImage windowIconImage()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    const QRgb red = qRgb(255, 0, 0);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);

    // The switch block, columns 1-14 and rows 4-10.
    for (int y = 4; y <= 10; ++y)
        for (int x = 1; x <= 14; ++x)
            image.setPixel(x, y, red);

    // Its outline, one pixel outside on every side, corners left out.
    for (int x = 1; x <= 14; ++x) {
        image.setPixel(x, 3, black);
        image.setPixel(x, 11, black);
    }
    for (int y = 4; y <= 10; ++y) {
        image.setPixel(0, y, black);
        image.setPixel(15, y, black);
    }

    // The levers, each one pixel wide and two high: three up, four down.
    struct Lever
    {
        int column, topRow;
    };
    for (const Lever lever : {Lever{3, 5}, Lever{5, 5}, Lever{13, 5}, Lever{2, 8}, Lever{7, 8},
                              Lever{9, 8}, Lever{11, 8}}) {
        image.setPixel(lever.column, lever.topRow, white);
        image.setPixel(lever.column, lever.topRow + 1, white);
    }
    return image;
}

QImage creditMarkImage()
{
    QImage image(51, 33, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A dark blue switch block standing on a pair of rails.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 192));
    p.drawRoundedRect(QRectF(4.5, 3.5, 42, 18), 3, 3);

    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 9 + i * 7.5;
        const qreal y = (i % 2 == 0) ? 6.5 : 12.5;
        p.drawRect(QRectF(x, y, 3, 6));
    }

    // Sleepers first, so that the rails lie on them.
    QPen sleeper(QColor(140, 90, 40), 2);
    p.setPen(sleeper);
    for (int x = 4; x < 51; x += 8)
        p.drawLine(QPointF(x, 24), QPointF(x, 33));
    p.setPen(QPen(QColor(64, 64, 64), 2));
    p.drawLine(QPointF(1, 26), QPointF(50, 26));
    p.drawLine(QPointF(1, 31), QPointF(50, 31));
    p.end();
    return image;
}

} // namespace velmarit
