// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "position/positionfile.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace velmarit {

// Logical pixels to twips; saturates at the 32-bit range.
WindowPosition positionFromPixels(QPoint topLeft);

// Twips to logical pixels, rounded to the nearest pixel.
QPoint pixelsFromPosition(WindowPosition position);

// Whether a window of `outerSize` pixels at `topLeft` would show at least one
// pixel on one of the screens. With no screen known there is nothing to judge
// against, and the position counts as reachable.
bool isReachableOnAnyScreen(QPoint topLeft, QSize outerSize, const QList<QRect> &screens);

} // namespace velmarit
