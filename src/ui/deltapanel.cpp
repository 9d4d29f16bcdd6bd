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

namespace {

void showDelta(QLabel *label, DeltaResult result)
{
    showDecodeResult(label, addressTextLokDelta(result), highlightedLokDelta(result));
}

} // namespace

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
    subSchreibeListen();

    connect(m_txtSwitchLokDelta, &QLineEdit::textChanged, this,
            &DeltaPanel::txtSwitchLokDelta_Change);
    connectSwitchBoxes(this, m_chkSwitchLokDelta, &DeltaPanel::chkSwitchLokDelta_Click);
    connectKeyPress(this, m_txtSwitchLokDelta, &DeltaPanel::txtSwitchLokDelta_KeyPress);

    m_lstDelta->setAccessibleName(
        QStringLiteral("Delta-Decoder: Adressen und ihre Schalter auf ON"));
    describeDecodeHalf(QStringLiteral("Delta-Decoder"), QStringLiteral("Delta-Adresse"),
                       m_txtSwitchLokDelta, m_lblAdresseLokDelta, m_lblAnzeigeLokDelta);
}

std::vector<QWidget *> DeltaPanel::focusOrder() const
{
    return panelFocusOrder(m_txtSwitchLokDelta, m_chkSwitchLokDelta, m_lstDelta);
}

void DeltaPanel::subSchreibeListen()
{
    for (const DeltaRow &row : deltaAddressTable)
        m_lstDelta->addItem(fromStd(deltaRowText(row)));
}

void DeltaPanel::chkSwitchLokDelta_Click()
{
    showDelta(m_lblAnzeigeLokDelta,
              decodeSwitchLokDelta(DeltaPattern::fromBits(tickedBits(m_chkSwitchLokDelta))));
}

void DeltaPanel::txtSwitchLokDelta_Change()
{
    showDelta(m_lblAdresseLokDelta,
              decodeSwitchLokDelta(patternFromTextLokDelta(textOf(m_txtSwitchLokDelta))));
}

void DeltaPanel::txtSwitchLokDelta_KeyPress(int &keyAscii)
{
    keyAscii = filterDeltaSwitchKey(keyAscii);
}

} // namespace velmarit
