// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabcolumndelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace velmarit {

TabColumnDelegate::TabColumnDelegate(const QLabel *heading, int columnStart, QObject *parent)
    : QStyledItemDelegate(parent), m_heading(heading), m_columnStart(columnStart)
{
}

int TabColumnDelegate::columnPosition(const QWidget *viewport) const
{
    const QString prefix = m_heading->text().left(m_columnStart);
    const int x =
        m_heading->contentsRect().left() + m_heading->fontMetrics().horizontalAdvance(prefix);
    return viewport->mapFromGlobal(m_heading->mapToGlobal(QPoint(x, 0))).x();
}

void TabColumnDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget *view = opt.widget;
    const QStyle *style = view ? view->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, view);
    const QString text = opt.text;

    // Background, selection and focus as the style draws them, text by hand.
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, view);

    const auto *itemView = qobject_cast<const QAbstractItemView *>(view);
    const int column = itemView ? columnPosition(itemView->viewport()) : textRect.left() + 60;

    QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::NoWrap);
    textOption.setTabStopDistance(std::max(1, column - textRect.left()));

    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                            : QPalette::Inactive;
    const QPalette::ColorRole role =
        (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;

    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, role));
    painter->drawText(QRectF(textRect), text, textOption);
    painter->restore();
}

} // namespace velmarit
