// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace velmarit {

// The text as the message box shows it: its carriage returns become line
// feeds, because the box would run CR-separated lines together in some
// styles.
QString infoBoxDisplayText(const QString &text);

// Shows the modal information box (information icon, OK only) over `parent`
// and returns when the user has closed it. The box keeps the exact text in
// its "sourceText" property.
void showInfoBox(QWidget *parent);

} // namespace velmarit
