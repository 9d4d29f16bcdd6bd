// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/controlbuilder.h"
#include "ui/keypressfilter.h"
#include "ui/switchbox.h"

#include <QLineEdit>
#include <QObject>

#include <array>
#include <string>

class QLabel;

// What the three decoder panels share: their rows of switch boxes, the
// wiring of their handlers, and the way a decode result is shown.
namespace velmarit {

// A panel's switch boxes, indexed like the switches they stand for:
// element 1 is switch 1, element 0 is unused.
template <std::size_t Count> using SwitchBoxes = std::array<SwitchBox *, Count + 1>;

// The switch boxes show no caption of their own; the number above each is a
// separate label that a screen reader does not connect to it, so each box
// is named after its switch.
template <std::size_t Count>
SwitchBoxes<Count> buildSwitchBoxes(const std::array<layout::CheckBox, Count> &rows, QWidget *frame)
{
    SwitchBoxes<Count> boxes{};
    for (std::size_t sw = 1; sw <= Count; ++sw) {
        boxes[sw] = build(rows[sw - 1], frame);
        boxes[sw]->setAccessibleName(QStringLiteral("Schalter %1").arg(sw));
    }
    return boxes;
}

template <std::size_t Count>
void buildLabels(const std::array<layout::Label, Count> &rows, QWidget *container)
{
    for (const layout::Label &row : rows)
        build(row, container);
}

template <class Pattern, std::size_t Size>
Pattern patternOf(const std::array<SwitchBox *, Size> &boxes)
{
    static_assert(static_cast<std::size_t>(Pattern::switchCount) + 1 == Size,
                  "one box per switch, element 0 unused");
    Pattern pattern;
    for (std::size_t sw = 1; sw < Size; ++sw)
        pattern.set(static_cast<int>(sw), boxes[sw]->isChecked());
    return pattern;
}

// Every tick of a switch box runs the panel's click handler with the
// switch's number.
template <class Panel, std::size_t Size>
void connectSwitchBoxes(Panel *panel, const std::array<SwitchBox *, Size> &boxes,
                        void (Panel::*handler)(int))
{
    for (std::size_t sw = 1; sw < Size; ++sw)
        QObject::connect(
            boxes[sw], &SwitchBox::toggled, panel,
            [panel, handler, index = static_cast<int>(sw)] { (panel->*handler)(index); });
}

template <class Panel>
void connectKeyPress(Panel *panel, QLineEdit *box, void (Panel::*handler)(int &))
{
    box->installEventFilter(
        new KeyPressFilter(box, [panel, handler](int &keyAscii) { (panel->*handler)(keyAscii); }));
}

std::string textOf(const QLineEdit *box);
QString fromStd(const std::string &text);

// Writes a decode result: its caption and both colours, the highlight
// colours (white on red) when `highlight` is set, the normal ones (cyan on
// black) otherwise.
void showDecodeResult(QLabel *label, const std::string &text, bool highlight);

} // namespace velmarit
