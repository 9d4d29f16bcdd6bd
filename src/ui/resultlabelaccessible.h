// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace velmarit {

class ResultLabel;

// What a screen reader learns of a ResultLabel: a static text whose name is
// the label's text, and its accessible description.
//
// Qt's own interface for a label falls back to the title of the surrounding
// group box when the label shows no text, so an empty result would be read
// out as " decodieren " or " codieren ", which sounds like a result. Here an
// empty result has an empty name; the reader then says what the description
// says.
class ResultLabelAccessible : public QAccessibleWidget
{
public:
    explicit ResultLabelAccessible(ResultLabel *label);

    QString text(QAccessible::Text t) const override;

    // For QAccessible::installFactory: the interface for a ResultLabel, and
    // nothing for any other object.
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

} // namespace velmarit
