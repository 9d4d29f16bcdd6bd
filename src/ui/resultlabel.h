// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace velmarit {

// A label that shows a computed result. It looks like any QLabel; it differs
// for screen readers, which read its text as its name even when that text is
// empty (see ResultLabelAccessible).
class ResultLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ResultLabel(const QString &text, QWidget *parent = nullptr);
};

} // namespace velmarit
