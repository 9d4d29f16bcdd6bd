// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/deltapanel.h"

#include "codes/deltacode.h"
#include "codes/switchkeyrules.h"
#include "ui/captionframe.h"
#include "ui/resultlabel.h"
#include "ui/tabcolumndelegate.h"

#include <QLabel>
#include <QListWidget>

namespace velmarit {

DeltaPanel::DeltaPanel(QWidget *parent) : BevelPanel(parent)
{
    namespace rows = layout::delta;
    place(this, layout::window::pnlDelta);

    CaptionFrame *encode = build(rows::encodeFrame, this);
    m_lstDelta = build(rows::lstDelta, encode);
    const QLabel *listHeading = build(rows::listHeading, encode);

    CaptionFrame *decode = build(rows::decodeFrame, this);
    m_txtSwitchLokDelta = build(rows::txtSwitchLokDelta, decode);
    m_chkSwitchLokDelta = buildSwitchBoxes(rows::chkSwitchLokDelta, decode);
    m_lblAdresseLokDelta = build(rows::lblAdresseLokDelta, decode);
    buildLabels(rows::switchNumbers, decode);
    m_lblAnzeigeLokDelta = build(rows::lblAnzeigeLokDelta, decode);

    build(rows::heading, this);

    // The list's second column starts under "Switch" of the heading.
    m_lstDelta->setItemDelegate(
        new TabColumnDelegate(listHeading, listHeading->text().indexOf(u"Switch"), m_lstDelta));

    connect(m_txtSwitchLokDelta, &QLineEdit::textChanged, this,
            &DeltaPanel::txtSwitchLokDelta_Change);
    connectSwitchBoxes(this, m_chkSwitchLokDelta, &DeltaPanel::chkSwitchLokDelta_Click);
    connectKeyPress(this, m_txtSwitchLokDelta, &DeltaPanel::txtSwitchLokDelta_KeyPress);

    m_txtSwitchLokDelta->setAccessibleName(
        QStringLiteral("Delta-Decoder: Nummern der Schalter auf ON"));
    m_lstDelta->setAccessibleName(
        QStringLiteral("Delta-Decoder: Adressen und ihre Schalter auf ON"));
    // A label's accessible name would replace its shown text, which is the
    // result itself; the description says what it shows instead.
    m_lblAdresseLokDelta->setAccessibleDescription(
        QStringLiteral("Delta-Adresse aus den eingegebenen Schalternummern"));
    m_lblAnzeigeLokDelta->setAccessibleDescription(
        QStringLiteral("Delta-Adresse aus den angekreuzten Schaltern"));
}

std::vector<QWidget *> DeltaPanel::focusOrder() const
{
    std::vector<QWidget *> order{m_txtSwitchLokDelta};
    order.insert(order.end(), m_chkSwitchLokDelta.begin() + 1, m_chkSwitchLokDelta.end());
    order.push_back(m_lstDelta);
    return order;
}

void DeltaPanel::subSchreibeListen()
{
    for (const DeltaRow &row : deltaAddressTable)
        m_lstDelta->addItem(fromStd(deltaRowText(row)));
}

void DeltaPanel::chkSwitchLokDelta_Click(int /*index*/)
{
    const DeltaResult result =
        decodeSwitchLokDelta(DeltaPattern::fromBits(tickedBits(m_chkSwitchLokDelta)));
    m_lblAnzeigeLokDelta->setText(fromStd(addressTextLokDelta(result)));
}

void DeltaPanel::txtSwitchLokDelta_Change()
{
    const DeltaResult result =
        decodeSwitchLokDelta(patternFromTextLokDelta(textOf(m_txtSwitchLokDelta)));
    m_lblAdresseLokDelta->setText(fromStd(addressTextLokDelta(result)));
}

void DeltaPanel::txtSwitchLokDelta_KeyPress(int &keyAscii)
{
    keyAscii = filterDeltaSwitchKey(keyAscii);
}

} // namespace velmarit
