// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/switchpanel.h"

namespace velmarit {

// The accessory (turnout, Weichen) decoder panel, pnlWeichen: ten switches
// decoded from ticks or from typed switch numbers, and a turnout address
// encoded into the switches to set ON. An invalid decode result is
// highlighted. Its handlers carry the names of the controls they answer.
class WeichenPanel : public SwitchPanel
{
    Q_OBJECT

public:
    explicit WeichenPanel(QWidget *parent = nullptr) : SwitchPanel(accessoryDecoder, parent) {}

    void chkSwitchMA_Click(int index) { switchBox_Click(index); }
    void txtSwitchMA_Change() { switchNumbers_Change(); }
    void txtSwitchMA_KeyPress(int &keyAscii) { switchNumbers_KeyPress(keyAscii); }
    void txtWeichen_Change() { address_Change(); }
};

} // namespace velmarit
