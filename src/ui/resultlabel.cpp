// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/resultlabel.h"

#include "ui/resultlabelaccessible.h"

#include <QAccessible>

namespace velmarit {

ResultLabel::ResultLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    // Before any interface for this label is asked for: Qt keeps the first
    // one it makes for an object.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&ResultLabelAccessible::create);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

} // namespace velmarit
