// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/resultwords.h"
#include "ui/bevelpanel.h"
#include "ui/panelparts.h"

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace velmarit {

class FrmVelmarit;

// The Delta decoder panel, pnlDelta: four switches decoded from ticks or
// from typed switch numbers, and the list of the fifteen Delta addresses
// with their switches. Every pattern has an answer ("analog" when no switch
// is ON), so its result labels keep their colours.
class DeltaPanel : public BevelPanel
{
    Q_OBJECT

public:
    // Speaks `language`, which outlives the panel.
    explicit DeltaPanel(const Texts &language, QWidget *parent = nullptr);

    void chkSwitchLokDelta_Click();
    void txtSwitchLokDelta_Change();
    void txtSwitchLokDelta_KeyPress(int &keyAscii);

private:
    friend class FrmVelmarit;
    // The controls the tab key visits, in order.
    std::vector<QWidget *> focusOrder() const;

    // Fills lstDelta with the fifteen rows of the Delta address table. The
    // table is fixed, so the panel fills its list once, as it is built.
    void subSchreibeListen();

    QListWidget *m_lstDelta = nullptr;
    QLineEdit *m_txtSwitchLokDelta = nullptr;
    SwitchBoxes m_chkSwitchLokDelta;
    QLabel *m_lblAdresseLokDelta = nullptr;
    QLabel *m_lblAnzeigeLokDelta = nullptr;
    // What the results say where they are no number.
    ResultWords m_words;
};

} // namespace velmarit
