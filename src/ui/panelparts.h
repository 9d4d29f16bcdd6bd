// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "language/qtexts.h"
#include "ui/controlbuilder.h"
#include "ui/keypressfilter.h"
#include "ui/switchbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QObject>

#include <span>
#include <string>
#include <vector>

// What the three decoder panels share: their rows of switch boxes, the
// wiring of their handlers, the names a screen reader gives their decode
// halves, their tab order, and the way a decode result is shown.
namespace velmarit {

// A panel's switch boxes, indexed like the switches they stand for:
// element 1 is switch 1, element 0 is unused.
using SwitchBoxes = std::vector<SwitchBox *>;

// The switch boxes show no caption of their own; the number above each is a
// separate label that a screen reader does not connect to it, so each box
// is named after its switch ("Schalter 3").
SwitchBoxes buildSwitchBoxes(std::span<const layout::CheckBox> rows, QWidget *frame,
                             const Texts &language);

void buildLabels(std::span<const layout::Label> rows, QWidget *container, const Texts &language);

// The ticked boxes as a switch pattern's bits: bit n-1 is switch n.
unsigned tickedBits(const SwitchBoxes &boxes);

// Every tick of a switch box runs the panel's click handler, which reads
// all the boxes at once.
template <class Panel>
void connectSwitchBoxes(Panel *panel, const SwitchBoxes &boxes, void (Panel::*handler)())
{
    for (std::size_t sw = 1; sw < boxes.size(); ++sw)
        QObject::connect(boxes[sw], &SwitchBox::toggled, panel, handler);
}

template <class Panel>
void connectKeyPress(Panel *panel, QLineEdit *box, void (Panel::*handler)(int &))
{
    box->installEventFilter(
        new KeyPressFilter(box, [panel, handler](int &keyAscii) { (panel->*handler)(keyAscii); }));
}

// Names what a screen reader cannot read off the decode half, in the texts
// of the panel (texts.panels.Delta, ...): the switch-number box, and the two
// results. A label's accessible name would replace its shown text, which is
// the result itself, so the results get a description instead.
template <class PanelTexts>
void describeDecodeHalf(const PanelTexts &says, QLineEdit *switchNumbers, QLabel *fromTyped,
                        QLabel *fromTicked)
{
    switchNumbers->setAccessibleName(toQString(says.typedName));
    fromTyped->setAccessibleDescription(toQString(says.fromTyped));
    fromTicked->setAccessibleDescription(toQString(says.fromTicked));
}

// A panel's tab order: the switch-number box, the switches, then the one
// control of the encode half.
std::vector<QWidget *> panelFocusOrder(QLineEdit *switchNumbers, const SwitchBoxes &boxes,
                                       QWidget *encodeControl);

std::string textOf(const QLineEdit *box);
QString fromStd(const std::string &text);

// Writes a decode result: its caption and both colours, the highlight
// colours (white on red) when `highlight` is set, the normal ones (cyan on
// black) otherwise.
void showDecodeResult(QLabel *label, const std::string &text, bool highlight);

} // namespace velmarit
