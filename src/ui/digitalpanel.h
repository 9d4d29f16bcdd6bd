// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/resultwords.h"
#include "ui/bevelpanel.h"
#include "ui/panelparts.h"

#include <vector>

class QLabel;
class QLineEdit;

namespace velmarit {

class FrmVelmarit;

// The locomotive (Digital) decoder panel, pnlDigital: eight switches decoded
// from ticks or from typed switch numbers, and an address encoded into the
// switches to set ON. A decode result is highlighted when it is invalid, and
// for address 80.
class DigitalPanel : public BevelPanel
{
    Q_OBJECT

public:
    // Speaks `language`, which outlives the panel.
    explicit DigitalPanel(const Texts &language, QWidget *parent = nullptr);

    void txtDigital_Change();
    void chkSwitchLok_Click();
    void txtSwitchLok_Change();
    void txtSwitchLok_KeyPress(int &keyAscii);

private:
    friend class FrmVelmarit;
    // The controls the tab key visits, in order.
    std::vector<QWidget *> focusOrder() const;

    QLineEdit *m_txtDigital = nullptr;
    QLabel *m_lblDelta = nullptr;
    SwitchBoxes m_chkSwitchLok;
    QLineEdit *m_txtSwitchLok = nullptr;
    QLabel *m_lblAnzeigeLok = nullptr;
    QLabel *m_lblAdresseLok = nullptr;
    // What the results say where they are no number.
    ResultWords m_words;
};

} // namespace velmarit
