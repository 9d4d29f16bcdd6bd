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

void showMA(QLabel *label, MAResult result, const ResultWords &words)
{
    showDecodeResult(label, addressTextMA(result, words), highlightedMA(result));
}

} // namespace

WeichenPanel::WeichenPanel(const Texts &language, QWidget *parent)
    : BevelPanel(parent), m_words(resultWords(language))
{
    namespace rows = layout::weichen;
    place(this, layout::window::pnlWeichen);

    CaptionFrame *encode = build(rows::encodeFrame, this, language);
    m_txtWeichen = build(rows::txtWeichen, encode);
    build(rows::addressCaption, encode, language);
    build(rows::switchOnCaption, encode, language);
    m_lblWeichen = build(rows::lblWeichen, encode, language);

    CaptionFrame *decode = build(rows::decodeFrame, this, language);
    m_txtSwitchMA = build(rows::txtSwitchMA, decode);
    m_chkSwitchMA = buildSwitchBoxes(rows::chkSwitchMA, decode, language);
    m_lblAdresseMA = build(rows::lblAdresseMA, decode, language);
    m_lblAnzeigeMA = build(rows::lblAnzeigeMA, decode, language);
    buildLabels(rows::switchNumbers, decode, language);

    build(rows::heading, this, language);

    connect(m_txtWeichen, &QLineEdit::textChanged, this, &WeichenPanel::txtWeichen_Change);
    connect(m_txtSwitchMA, &QLineEdit::textChanged, this, &WeichenPanel::txtSwitchMA_Change);
    connectSwitchBoxes(this, m_chkSwitchMA, &WeichenPanel::chkSwitchMA_Click);
    connectKeyPress(this, m_txtSwitchMA, &WeichenPanel::txtSwitchMA_KeyPress);

    const auto &says = language.panels.Weichen;
    m_txtWeichen->setAccessibleName(toQString(says.addressName));
    m_lblWeichen->setAccessibleDescription(toQString(says.switchList));
    describeDecodeHalf(says, m_txtSwitchMA, m_lblAdresseMA, m_lblAnzeigeMA);
}

std::vector<QWidget *> WeichenPanel::focusOrder() const
{
    return panelFocusOrder(m_txtSwitchMA, m_chkSwitchMA, m_txtWeichen);
}

void WeichenPanel::chkSwitchMA_Click()
{
    showMA(m_lblAnzeigeMA, decodeSwitchMA(MAPattern::fromBits(tickedBits(m_chkSwitchMA))), m_words);
}

void WeichenPanel::txtSwitchMA_Change()
{
    showMA(m_lblAdresseMA, decodeSwitchMA(patternFromTextMA(textOf(m_txtSwitchMA))), m_words);
}

void WeichenPanel::txtSwitchMA_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(m_txtSwitchMA), keyAscii, maSwitchPairs);
}

// The box has no length limit; numberFromText saturates at the 16-bit range,
// so a huge number shows the invalid word and a hugely negative one the
// empty text.
void WeichenPanel::txtWeichen_Change()
{
    m_lblWeichen->setText(fromStd(switchListMA(numberFromText(textOf(m_txtWeichen)), m_words)));
}

} // namespace velmarit
