// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/panelparts.h"

namespace velmarit {

SwitchBoxes buildSwitchBoxes(std::span<const layout::CheckBox> rows, QWidget *frame,
                             const Texts &language)
{
    SwitchBoxes boxes(rows.size() + 1, nullptr);
    for (std::size_t sw = 1; sw <= rows.size(); ++sw) {
        boxes[sw] = build(rows[sw - 1], frame);
        boxes[sw]->setAccessibleName(filled(language.window.switch_, {{"n", QString::number(sw)}}));
    }
    return boxes;
}

void buildLabels(std::span<const layout::Label> rows, QWidget *container, const Texts &language)
{
    for (const layout::Label &row : rows)
        build(row, container, language);
}

unsigned tickedBits(const SwitchBoxes &boxes)
{
    unsigned bits = 0;
    for (std::size_t sw = 1; sw < boxes.size(); ++sw)
        if (boxes[sw]->isChecked())
            bits |= 1u << (sw - 1);
    return bits;
}

std::vector<QWidget *> panelFocusOrder(QLineEdit *switchNumbers, const SwitchBoxes &boxes,
                                       QWidget *encodeControl)
{
    std::vector<QWidget *> order{switchNumbers};
    order.insert(order.end(), boxes.begin() + 1, boxes.end());
    order.push_back(encodeControl);
    return order;
}

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
