// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/digitalpanel.h"

#include "codes/lokcode.h"
#include "codes/numberfromtext.h"
#include "codes/switchkeyrules.h"
#include "ui/captionframe.h"
#include "ui/resultlabel.h"

#include <QLabel>

namespace velmarit {

namespace {

void showLok(QLabel *label, LokResult result)
{
    showDecodeResult(label, addressTextLok(result), highlightedLok(result));
}

} // namespace

DigitalPanel::DigitalPanel(QWidget *parent) : BevelPanel(parent)
{
    namespace rows = layout::digital;
    place(this, layout::window::pnlDigital);

    CaptionFrame *encode = build(rows::encodeFrame, this);
    m_txtDigital = build(rows::txtDigital, encode);
    build(rows::switchOnCaption, encode);
    build(rows::addressCaption, encode);
    m_lblDelta = build(rows::lblDelta, encode);

    CaptionFrame *decode = build(rows::decodeFrame, this);
    m_chkSwitchLok = buildSwitchBoxes(rows::chkSwitchLok, decode);
    m_txtSwitchLok = build(rows::txtSwitchLok, decode);
    buildLabels(rows::switchNumbers, decode);
    m_lblAnzeigeLok = build(rows::lblAnzeigeLok, decode);
    m_lblAdresseLok = build(rows::lblAdresseLok, decode);

    build(rows::heading, this);

    connect(m_txtDigital, &QLineEdit::textChanged, this, &DigitalPanel::txtDigital_Change);
    connect(m_txtSwitchLok, &QLineEdit::textChanged, this, &DigitalPanel::txtSwitchLok_Change);
    connectSwitchBoxes(this, m_chkSwitchLok, &DigitalPanel::chkSwitchLok_Click);
    connectKeyPress(this, m_txtSwitchLok, &DigitalPanel::txtSwitchLok_KeyPress);

    m_txtDigital->setAccessibleName(QStringLiteral("Digital-Decoder: Adresse"));
    m_lblDelta->setAccessibleDescription(
        QStringLiteral("Schalter auf ON für die eingegebene Lok-Adresse"));
    describeDecodeHalf(QStringLiteral("Digital-Decoder"), QStringLiteral("Lok-Adresse"),
                       m_txtSwitchLok, m_lblAdresseLok, m_lblAnzeigeLok);
}

std::vector<QWidget *> DigitalPanel::focusOrder() const
{
    return panelFocusOrder(m_txtSwitchLok, m_chkSwitchLok, m_txtDigital);
}

void DigitalPanel::txtDigital_Change()
{
    m_lblDelta->setText(fromStd(switchListLok(numberFromText(textOf(m_txtDigital)))));
}

void DigitalPanel::chkSwitchLok_Click()
{
    showLok(m_lblAnzeigeLok, decodeSwitchLok(LokPattern::fromBits(tickedBits(m_chkSwitchLok))));
}

void DigitalPanel::txtSwitchLok_Change()
{
    showLok(m_lblAdresseLok, decodeSwitchLok(patternFromTextLok(textOf(m_txtSwitchLok))));
}

void DigitalPanel::txtSwitchLok_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(m_txtSwitchLok), keyAscii, lokSwitchPairs);
}

} // namespace velmarit
