// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/weichenpanel.h"

#include "codes/macode.h"
#include "codes/numberfromtext.h"
#include "codes/switchkeyrules.h"
#include "ui/captionframe.h"
#include "ui/resultlabel.h"

#include <QLabel>

namespace velmarit {

namespace {

void showMA(QLabel *label, MAResult result)
{
    showDecodeResult(label, addressTextMA(result), highlightedMA(result));
}

} // namespace

WeichenPanel::WeichenPanel(QWidget *parent) : BevelPanel(parent)
{
    namespace rows = layout::weichen;
    place(this, layout::window::pnlWeichen);

    CaptionFrame *encode = build(rows::encodeFrame, this);
    m_txtWeichen = build(rows::txtWeichen, encode);
    build(rows::addressCaption, encode);
    build(rows::switchOnCaption, encode);
    m_lblWeichen = build(rows::lblWeichen, encode);

    CaptionFrame *decode = build(rows::decodeFrame, this);
    m_txtSwitchMA = build(rows::txtSwitchMA, decode);
    m_chkSwitchMA = buildSwitchBoxes(rows::chkSwitchMA, decode);
    m_lblAdresseMA = build(rows::lblAdresseMA, decode);
    m_lblAnzeigeMA = build(rows::lblAnzeigeMA, decode);
    buildLabels(rows::switchNumbers, decode);

    build(rows::heading, this);

    connect(m_txtWeichen, &QLineEdit::textChanged, this, &WeichenPanel::txtWeichen_Change);
    connect(m_txtSwitchMA, &QLineEdit::textChanged, this, &WeichenPanel::txtSwitchMA_Change);
    connectSwitchBoxes(this, m_chkSwitchMA, &WeichenPanel::chkSwitchMA_Click);
    connectKeyPress(this, m_txtSwitchMA, &WeichenPanel::txtSwitchMA_KeyPress);

    m_txtWeichen->setAccessibleName(QStringLiteral("Weichen-Decoder: Weichenadresse"));
    m_lblWeichen->setAccessibleDescription(
        QStringLiteral("Schalter auf ON für die eingegebene Weichenadresse"));
    describeDecodeHalf(QStringLiteral("Weichen-Decoder"), QStringLiteral("Weichenadresse"),
                       m_txtSwitchMA, m_lblAdresseMA, m_lblAnzeigeMA);
}

std::vector<QWidget *> WeichenPanel::focusOrder() const
{
    return panelFocusOrder(m_txtSwitchMA, m_chkSwitchMA, m_txtWeichen);
}

void WeichenPanel::chkSwitchMA_Click()
{
    showMA(m_lblAnzeigeMA, decodeSwitchMA(MAPattern::fromBits(tickedBits(m_chkSwitchMA))));
}

void WeichenPanel::txtSwitchMA_Change()
{
    showMA(m_lblAdresseMA, decodeSwitchMA(patternFromTextMA(textOf(m_txtSwitchMA))));
}

void WeichenPanel::txtSwitchMA_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(m_txtSwitchMA), keyAscii, maSwitchPairs);
}

// The box has no length limit; numberFromText saturates at the 16-bit range,
// so a huge number shows "ungültig" and a hugely negative one the empty text.
void WeichenPanel::txtWeichen_Change()
{
    m_lblWeichen->setText(fromStd(switchListMA(numberFromText(textOf(m_txtWeichen)))));
}

} // namespace velmarit
