// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/panelparts.h"

#include <QLabel>

namespace velmarit {

std::string textOf(const QLineEdit *box)
{
    return box->text().toStdString();
}

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

void showDecodeResult(QLabel *label, const std::string &text, bool highlight)
{
    label->setText(fromStd(text));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(highlight ? layout::red : layout::black));
    palette.setColor(QPalette::WindowText, toQColor(highlight ? layout::white : layout::cyan));
    label->setPalette(palette);
}

} // namespace velmarit
