// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace velmarit {

// The small credit picture in the top right corner. A left click on it is
// reported as clicked(); the hover text is the label's tooltip.
class CreditMark : public QLabel
{
    Q_OBJECT

public:
    explicit CreditMark(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace velmarit
