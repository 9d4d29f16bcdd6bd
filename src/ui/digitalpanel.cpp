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

void showLok(QLabel *label, LokResult result, const ResultWords &words)
{
    showDecodeResult(label, addressTextLok(result, words), highlightedLok(result));
}

} // namespace

DigitalPanel::DigitalPanel(const Texts &language, QWidget *parent)
    : BevelPanel(parent), m_words(resultWords(language))
{
    namespace rows = layout::digital;
    place(this, layout::window::pnlDigital);

    CaptionFrame *encode = build(rows::encodeFrame, this, language);
    m_txtDigital = build(rows::txtDigital, encode);
    build(rows::switchOnCaption, encode, language);
    build(rows::addressCaption, encode, language);
    m_lblDelta = build(rows::lblDelta, encode, language);

    CaptionFrame *decode = build(rows::decodeFrame, this, language);
    m_chkSwitchLok = buildSwitchBoxes(rows::chkSwitchLok, decode, language);
    m_txtSwitchLok = build(rows::txtSwitchLok, decode);
    buildLabels(rows::switchNumbers, decode, language);
    m_lblAnzeigeLok = build(rows::lblAnzeigeLok, decode, language);
    m_lblAdresseLok = build(rows::lblAdresseLok, decode, language);

    build(rows::heading, this, language);

    connect(m_txtDigital, &QLineEdit::textChanged, this, &DigitalPanel::txtDigital_Change);
    connect(m_txtSwitchLok, &QLineEdit::textChanged, this, &DigitalPanel::txtSwitchLok_Change);
    connectSwitchBoxes(this, m_chkSwitchLok, &DigitalPanel::chkSwitchLok_Click);
    connectKeyPress(this, m_txtSwitchLok, &DigitalPanel::txtSwitchLok_KeyPress);

    const auto &says = language.panels.Digital;
    m_txtDigital->setAccessibleName(toQString(says.addressName));
    m_lblDelta->setAccessibleDescription(toQString(says.switchList));
    describeDecodeHalf(says, m_txtSwitchLok, m_lblAdresseLok, m_lblAnzeigeLok);
}

std::vector<QWidget *> DigitalPanel::focusOrder() const
{
    return panelFocusOrder(m_txtSwitchLok, m_chkSwitchLok, m_txtDigital);
}

void DigitalPanel::txtDigital_Change()
{
    m_lblDelta->setText(fromStd(switchListLok(numberFromText(textOf(m_txtDigital)), m_words)));
}

void DigitalPanel::chkSwitchLok_Click()
{
    showLok(m_lblAnzeigeLok, decodeSwitchLok(LokPattern::fromBits(tickedBits(m_chkSwitchLok))),
            m_words);
}

void DigitalPanel::txtSwitchLok_Change()
{
    showLok(m_lblAdresseLok, decodeSwitchLok(patternFromTextLok(textOf(m_txtSwitchLok))), m_words);
}

void DigitalPanel::txtSwitchLok_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(m_txtSwitchLok), keyAscii, lokSwitchPairs);
}

} // namespace velmarit
