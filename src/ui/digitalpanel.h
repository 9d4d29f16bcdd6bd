// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/switchpanel.h"

namespace velmarit {

// The locomotive (Digital) decoder panel, pnlDigital: eight switches decoded
// from ticks or from typed switch numbers, and an address encoded into the
// switches to set ON. A decode result is highlighted when it is invalid, and
// for address 80, whose switches look like no pattern of the other
// addresses. Its handlers carry the names of the controls they answer.
class DigitalPanel : public SwitchPanel
{
    Q_OBJECT

public:
    explicit DigitalPanel(QWidget *parent = nullptr) : SwitchPanel(lokDecoder, parent) {}

    void txtDigital_Change() { address_Change(); }
    void chkSwitchLok_Click(int index) { switchBox_Click(index); }
    void txtSwitchLok_Change() { switchNumbers_Change(); }
    void txtSwitchLok_KeyPress(int &keyAscii) { switchNumbers_KeyPress(keyAscii); }
};

} // namespace velmarit
