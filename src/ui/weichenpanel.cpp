// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/weichenpanel.h"

#include "codes/accessorycode.h"
#include "codes/numberfromtext.h"
#include "codes/switchkeyrules.h"
#include "ui/captionframe.h"
#include "ui/resultlabel.h"

#include <QLabel>

namespace velmarit {

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

    connect(m_txtSwitchMA, &QLineEdit::textChanged, this, &WeichenPanel::txtSwitchMA_Change);
    connect(m_txtWeichen, &QLineEdit::textChanged, this, &WeichenPanel::txtWeichen_Change);
    connectSwitchBoxes(this, m_chkSwitchMA, &WeichenPanel::chkSwitchMA_Click);
    connectKeyPress(this, m_txtSwitchMA, &WeichenPanel::txtSwitchMA_KeyPress);

    m_txtSwitchMA->setAccessibleName(
        QStringLiteral("Weichen-Decoder: Nummern der Schalter auf ON"));
    m_txtWeichen->setAccessibleName(QStringLiteral("Weichen-Decoder: Weichenadresse"));
    // A label's accessible name would replace its shown text, which is the
    // result itself; the description says what it shows instead.
    m_lblAdresseMA->setAccessibleDescription(
        QStringLiteral("Weichenadresse aus den eingegebenen Schalternummern"));
    m_lblAnzeigeMA->setAccessibleDescription(
        QStringLiteral("Weichenadresse aus den angekreuzten Schaltern"));
    m_lblWeichen->setAccessibleDescription(
        QStringLiteral("Schalter auf ON für die eingegebene Weichenadresse"));
}

std::vector<QWidget *> WeichenPanel::focusOrder() const
{
    std::vector<QWidget *> order{m_txtSwitchMA};
    order.insert(order.end(), m_chkSwitchMA.begin() + 1, m_chkSwitchMA.end());
    order.push_back(m_txtWeichen);
    return order;
}

void WeichenPanel::chkSwitchMA_Click(int /*index*/)
{
    const AccessoryResult result = decodeSwitchMA(patternOf<AccessoryPattern>(m_chkSwitchMA));
    showDecodeResult(m_lblAnzeigeMA, addressTextMA(result), !result.has_value());
}

void WeichenPanel::txtSwitchMA_Change()
{
    const AccessoryResult result = decodeSwitchMA(patternFromTextMA(textOf(m_txtSwitchMA)));
    showDecodeResult(m_lblAdresseMA, addressTextMA(result), !result.has_value());
}

void WeichenPanel::txtSwitchMA_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(m_txtSwitchMA), keyAscii, accessorySwitchPairs);
}

// The box has no length limit; numberFromText saturates at the 16-bit range,
// so a huge number shows "ungültig" and a hugely negative one the empty text.
void WeichenPanel::txtWeichen_Change()
{
    m_lblWeichen->setText(fromStd(switchListMA(numberFromText(textOf(m_txtWeichen)))));
}

} // namespace velmarit
