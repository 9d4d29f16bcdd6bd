// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/resultlabelaccessible.h"

#include "ui/resultlabel.h"

namespace velmarit {

ResultLabelAccessible::ResultLabelAccessible(ResultLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QString ResultLabelAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    // A name set on purpose still wins, as for any widget.
    const QString name = widget()->accessibleName();
    return name.isEmpty() ? static_cast<const ResultLabel *>(widget())->text() : name;
}

QAccessibleInterface *ResultLabelAccessible::create(const QString &className, QObject *object)
{
    // Asked once per class up the object's class chain; answer only for the
    // most derived one, so that a subclass of ResultLabel could answer itself.
    auto *label = qobject_cast<ResultLabel *>(object);
    if (!label || className != QLatin1String(ResultLabel::staticMetaObject.className()))
        return nullptr;
    return new ResultLabelAccessible(label);
}

} // namespace velmarit
