// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace velmarit {

// The 16 x 16 window icon: a red DIP-switch block with a black outline and
// seven white switch levers, everything else transparent.
QImage windowIconImage();

// The 51 x 33 credit mark beside the credit text, on a transparent ground.
QImage creditMarkImage();

} // namespace velmarit
