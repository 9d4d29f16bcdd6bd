// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>

namespace velmarit {

// A check box that is nothing but its box, drawn to fill the widget. The
// layout gives each switch box a small square; styles whose indicator is a
// pixel larger would otherwise cut off its right and bottom edges.
class SwitchBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit SwitchBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

} // namespace velmarit
