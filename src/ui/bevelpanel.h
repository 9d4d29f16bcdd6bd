// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

namespace velmarit {

// A plain container that looks raised above the window: button-face
// background and a one-pixel bevel, light at the top left and dark at the
// bottom right. It has no caption and takes no focus.
class BevelPanel : public QFrame
{
    Q_OBJECT

public:
    explicit BevelPanel(QWidget *parent = nullptr);
};

} // namespace velmarit
