// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/switchpanel.h"

#include "codes/accessorycode.h"
#include "codes/lokcode.h"
#include "codes/numberfromtext.h"
#include "ui/captionframe.h"
#include "ui/panelparts.h"
#include "ui/resultlabel.h"

#include <QLabel>

namespace velmarit {

namespace {

using Part = SwitchDecoder::Part;

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Address 80 is highlighted although it is valid: its switches look like
// no pattern of the other locomotive addresses.
DecodeShown shownLok(LokResult result)
{
    return {addressTextLok(result), !result || *result == 80};
}

DecodeShown shownMA(AccessoryResult result)
{
    return {addressTextMA(result), !result.has_value()};
}

} // namespace

constinit const SwitchDecoder lokDecoder{
    .panel = layout::window::pnlDigital,
    .encodeFrame = layout::digital::encodeFrame,
    .encodeOrder = {Part::AddressBox, Part::SwitchOnCaption, Part::AddressCaption,
                    Part::SwitchList},
    .addressBox = layout::digital::txtDigital,
    .addressCaption = layout::digital::addressCaption,
    .switchOnCaption = layout::digital::switchOnCaption,
    .switchList = layout::digital::lblDelta,
    .decodeFrame = layout::digital::decodeFrame,
    .decodeOrder = {Part::SwitchBoxes, Part::SwitchesBox, Part::SwitchNumbers, Part::FromTicked,
                    Part::FromTyped},
    .switchesBox = layout::digital::txtSwitchLok,
    .switchBoxes = layout::digital::chkSwitchLok,
    .switchNumbers = layout::digital::switchNumbers,
    .fromTyped = layout::digital::lblAdresseLok,
    .fromTicked = layout::digital::lblAnzeigeLok,
    .heading = layout::digital::heading,
    .decoderName = "Digital-Decoder",
    .addressName = "Adresse",
    .resultName = "Lok-Adresse",
    .switchListFor = switchListLok,
    .decodeTicked =
        [](unsigned bits) { return shownLok(decodeSwitchLok(LokPattern::fromBits(bits))); },
    .decodeTyped =
        [](std::string_view text) { return shownLok(decodeSwitchLok(patternFromTextLok(text))); },
    .keyPairs = lokSwitchPairs,
};

constinit const SwitchDecoder accessoryDecoder{
    .panel = layout::window::pnlWeichen,
    .encodeFrame = layout::weichen::encodeFrame,
    .encodeOrder = {Part::AddressBox, Part::AddressCaption, Part::SwitchOnCaption,
                    Part::SwitchList},
    .addressBox = layout::weichen::txtWeichen,
    .addressCaption = layout::weichen::addressCaption,
    .switchOnCaption = layout::weichen::switchOnCaption,
    .switchList = layout::weichen::lblWeichen,
    .decodeFrame = layout::weichen::decodeFrame,
    .decodeOrder = {Part::SwitchesBox, Part::SwitchBoxes, Part::FromTyped, Part::FromTicked,
                    Part::SwitchNumbers},
    .switchesBox = layout::weichen::txtSwitchMA,
    .switchBoxes = layout::weichen::chkSwitchMA,
    .switchNumbers = layout::weichen::switchNumbers,
    .fromTyped = layout::weichen::lblAdresseMA,
    .fromTicked = layout::weichen::lblAnzeigeMA,
    .heading = layout::weichen::heading,
    .decoderName = "Weichen-Decoder",
    .addressName = "Weichenadresse",
    .resultName = "Weichenadresse",
    // The box has no length limit; numberFromText saturates at the 16-bit
    // range, so a huge number shows "ungültig" and a hugely negative one the
    // empty text.
    .switchListFor = [](std::int16_t address) { return switchListMA(address); },
    .decodeTicked =
        [](unsigned bits) { return shownMA(decodeSwitchMA(AccessoryPattern::fromBits(bits))); },
    .decodeTyped =
        [](std::string_view text) { return shownMA(decodeSwitchMA(patternFromTextMA(text))); },
    .keyPairs = accessorySwitchPairs,
};

SwitchPanel::SwitchPanel(const SwitchDecoder &decoder, QWidget *parent)
    : BevelPanel(parent), m_decoder(decoder)
{
    place(this, decoder.panel);

    CaptionFrame *encode = build(decoder.encodeFrame, this);
    for (Part part : decoder.encodeOrder)
        buildPart(part, encode);
    CaptionFrame *decode = build(decoder.decodeFrame, this);
    for (Part part : decoder.decodeOrder)
        buildPart(part, decode);
    build(decoder.heading, this);

    connect(m_txtAddress, &QLineEdit::textChanged, this, &SwitchPanel::address_Change);
    connect(m_txtSwitches, &QLineEdit::textChanged, this, &SwitchPanel::switchNumbers_Change);
    connectSwitchBoxes(this, m_chkSwitches, &SwitchPanel::switchBox_Click);
    connectKeyPress(this, m_txtSwitches, &SwitchPanel::switchNumbers_KeyPress);

    const QString decoderName = fromView(decoder.decoderName);
    const QString resultName = fromView(decoder.resultName);
    m_txtSwitches->setAccessibleName(decoderName + QStringLiteral(": Nummern der Schalter auf ON"));
    m_txtAddress->setAccessibleName(decoderName + QStringLiteral(": ") +
                                    fromView(decoder.addressName));
    // A label's accessible name would replace its shown text, which is the
    // result itself; the description says what it shows instead.
    m_lblFromTyped->setAccessibleDescription(
        resultName + QStringLiteral(" aus den eingegebenen Schalternummern"));
    m_lblFromTicked->setAccessibleDescription(resultName +
                                              QStringLiteral(" aus den angekreuzten Schaltern"));
    m_lblSwitchList->setAccessibleDescription(
        QStringLiteral("Schalter auf ON für die eingegebene ") + resultName);
}

void SwitchPanel::buildPart(Part part, QWidget *frame)
{
    const SwitchDecoder &d = m_decoder;
    switch (part) {
    case Part::AddressBox:
        m_txtAddress = build(d.addressBox, frame);
        break;
    case Part::AddressCaption:
        build(d.addressCaption, frame);
        break;
    case Part::SwitchOnCaption:
        build(d.switchOnCaption, frame);
        break;
    case Part::SwitchList:
        m_lblSwitchList = build(d.switchList, frame);
        break;
    case Part::SwitchesBox:
        m_txtSwitches = build(d.switchesBox, frame);
        break;
    case Part::SwitchBoxes:
        m_chkSwitches = buildSwitchBoxes(d.switchBoxes, frame);
        break;
    case Part::SwitchNumbers:
        buildLabels(d.switchNumbers, frame);
        break;
    case Part::FromTyped:
        m_lblFromTyped = build(d.fromTyped, frame);
        break;
    case Part::FromTicked:
        m_lblFromTicked = build(d.fromTicked, frame);
        break;
    }
}

std::vector<QWidget *> SwitchPanel::focusOrder() const
{
    std::vector<QWidget *> order{m_txtSwitches};
    order.insert(order.end(), m_chkSwitches.begin() + 1, m_chkSwitches.end());
    order.push_back(m_txtAddress);
    return order;
}

void SwitchPanel::address_Change()
{
    m_lblSwitchList->setText(
        fromStd(m_decoder.switchListFor(numberFromText(textOf(m_txtAddress)))));
}

void SwitchPanel::switchBox_Click(int /*index*/)
{
    const DecodeShown shown = m_decoder.decodeTicked(tickedBits(m_chkSwitches));
    showDecodeResult(m_lblFromTicked, shown.text, shown.highlight);
}

void SwitchPanel::switchNumbers_Change()
{
    const DecodeShown shown = m_decoder.decodeTyped(textOf(m_txtSwitches));
    showDecodeResult(m_lblFromTyped, shown.text, shown.highlight);
}

void SwitchPanel::switchNumbers_KeyPress(int &keyAscii)
{
    keyAscii = filterPairedSwitchKey(textOf(m_txtSwitches), keyAscii, m_decoder.keyPairs);
}

} // namespace velmarit
