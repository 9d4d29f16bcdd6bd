// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/layout.h"

#include <QColor>
#include <QFont>

class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace velmarit {

class CaptionFrame;
class CreditMark;
class ResultLabel;
class SwitchBox;

// Builds a control from its layout row inside `parent` and returns it, so
// the caller keeps it in a member of its own: the row's type decides the
// widget class. Each control gets the row's name as its objectName, the
// row's font, its place converted to pixels, and its caption in `language`.
CaptionFrame *build(const layout::Frame &row, QWidget *parent, const Texts &language);
QLineEdit *build(const layout::TextBox &row, QWidget *parent);
SwitchBox *build(const layout::CheckBox &row, QWidget *parent);
QLabel *build(const layout::Label &row, QWidget *parent, const Texts &language);
ResultLabel *build(const layout::ResultLabel &row, QWidget *parent, const Texts &language);
QListWidget *build(const layout::ListBox &row, QWidget *parent);
CreditMark *build(const layout::Image &row, QWidget *parent);

// Gives a panel, which builds itself, the name and place of its row.
void place(QWidget *panel, const layout::Panel &row);

QColor toQColor(layout::Colour colour);
QFont toQFont(const layout::Font &font);

} // namespace velmarit
