// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "position/windowplacement.h"

#include "twips/twips.h"

#include <algorithm>
#include <cstdint>

namespace velmarit {

WindowPosition positionFromPixels(QPoint topLeft)
{
    return {pixelsToTwips(topLeft.x()), pixelsToTwips(topLeft.y())};
}

QPoint pixelsFromPosition(WindowPosition position)
{
    return {twipsToPixels(position.left), twipsToPixels(position.top)};
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
