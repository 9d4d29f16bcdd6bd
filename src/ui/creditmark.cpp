// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/creditmark.h"

#include "ui/pictures.h"

#include <QMouseEvent>
#include <QPixmap>

namespace velmarit {

CreditMark::CreditMark(QWidget *parent) : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(creditMarkImage()));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CreditMark::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release on the picture, as with a button.
void CreditMark::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

// The second press of a double click is no new click: the first one has
// already been reported. Accepting it also keeps it from reaching the window
// behind, whose own double click means something else.
void CreditMark::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

} // namespace velmarit
