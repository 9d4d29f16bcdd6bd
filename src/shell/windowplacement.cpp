// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/windowplacement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velmarit {

namespace {

qint32 toTwips(int pixels)
{
    const std::int64_t twips = std::int64_t{pixels} * kTwipsPerPixel;
    return static_cast<qint32>(std::clamp<std::int64_t>(twips, std::numeric_limits<qint32>::min(),
                                                        std::numeric_limits<qint32>::max()));
}

int toPixels(qint32 twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

} // namespace

WindowPosition positionFromPixels(QPoint topLeft)
{
    return {toTwips(topLeft.x()), toTwips(topLeft.y())};
}

QPoint pixelsFromPosition(WindowPosition position)
{
    return {toPixels(position.left), toPixels(position.top)};
}

bool isReachableOnAnyScreen(QPoint topLeft, QSize outerSize, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return true;
    // QRect's right() is inclusive and overflows near INT_MAX; compare in
    // 64 bits with exclusive ends instead.
    const std::int64_t left = topLeft.x();
    const std::int64_t top = topLeft.y();
    const std::int64_t right = left + std::max(outerSize.width(), 1);
    const std::int64_t bottom = top + std::max(outerSize.height(), 1);
    return std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
        const std::int64_t sLeft = screen.x();
        const std::int64_t sTop = screen.y();
        const std::int64_t sRight = sLeft + screen.width();
        const std::int64_t sBottom = sTop + screen.height();
        return left < sRight && sLeft < right && top < sBottom && sTop < bottom;
    });
}

} // namespace velmarit
