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

bool highlighted(const LokResult &result)
{
    return !result || *result == 80;
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

    m_txtSwitchLok->setAccessibleName(
        QStringLiteral("Digital-Decoder: Nummern der Schalter auf ON"));
    m_txtDigital->setAccessibleName(QStringLiteral("Digital-Decoder: Adresse"));
    // A label's accessible name would replace its shown text, which is the
    // result itself; the description says what it shows instead.
    m_lblAdresseLok->setAccessibleDescription(
        QStringLiteral("Lok-Adresse aus den eingegebenen Schalternummern"));
    m_lblAnzeigeLok->setAccessibleDescription(
        QStringLiteral("Lok-Adresse aus den angekreuzten Schaltern"));
    m_lblDelta->setAccessibleDescription(
        QStringLiteral("Schalter auf ON für die eingegebene Lok-Adresse"));
}

std::vector<QWidget *> DigitalPanel::focusOrder() const
{
    std::vector<QWidget *> order{m_txtSwitchLok};
    order.insert(order.end(), m_chkSwitchLok.begin() + 1, m_chkSwitchLok.end());
    order.push_back(m_txtDigital);
    return order;
}

void DigitalPanel::txtDigital_Change()
{
    m_lblDelta->setText(fromStd(switchListLok(numberFromText(textOf(m_txtDigital)))));
}

void DigitalPanel::chkSwitchLok_Click(int /*index*/)
{
    const LokResult result = decodeSwitchLok(patternOf<LokPattern>(m_chkSwitchLok));
    showDecodeResult(m_lblAnzeigeLok, addressTextLok(result), highlighted(result));
}

void DigitalPanel::txtSwitchLok_Change()
{
    const LokResult result = decodeSwitchLok(patternFromTextLok(textOf(m_txtSwitchLok)));
    showDecodeResult(m_lblAdresseLok, addressTextLok(result), highlighted(result));
}

void DigitalPanel::txtSwitchLok_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(m_txtSwitchLok), keyAscii, lokSwitchPairs);
}

} // namespace velmarit
