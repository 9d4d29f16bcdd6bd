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

// The accessory (turnout, Weichen) decoder panel, pnlWeichen: ten switches
// decoded from ticks or from typed switch numbers, and a turnout address
// encoded into the switches to set ON. An invalid decode result is
// highlighted.
class WeichenPanel : public BevelPanel
{
    Q_OBJECT

public:
    // Speaks `language`, which outlives the panel.
    explicit WeichenPanel(const Texts &language, QWidget *parent = nullptr);

    void chkSwitchMA_Click();
    void txtSwitchMA_Change();
    void txtSwitchMA_KeyPress(int &keyAscii);
    void txtWeichen_Change();

private:
    friend class FrmVelmarit;
    // The controls the tab key visits, in order.
    std::vector<QWidget *> focusOrder() const;

    QLineEdit *m_txtWeichen = nullptr;
    QLabel *m_lblWeichen = nullptr;
    QLineEdit *m_txtSwitchMA = nullptr;
    SwitchBoxes m_chkSwitchMA;
    QLabel *m_lblAdresseMA = nullptr;
    QLabel *m_lblAnzeigeMA = nullptr;
    // What the results say where they are no number.
    ResultWords m_words;
};

} // namespace velmarit
