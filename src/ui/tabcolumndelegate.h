// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

class QLabel;

namespace velmarit {

// Draws list items whose text holds a tab so that the part after the tab
// starts exactly under a column title of a heading label above the list.
// The item text itself keeps its tab.
class TabColumnDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // `columnStart` is the position in the heading's text where the second
    // column's title begins.
    TabColumnDelegate(const QLabel *heading, int columnStart, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // Where the second column starts, in the coordinates of `viewport`.
    int columnPosition(const QWidget *viewport) const;

private:
    const QLabel *m_heading;
    int m_columnStart;
};

} // namespace velmarit
