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

void showDelta(QLabel *label, DeltaResult result, const ResultWords &words)
{
    showDecodeResult(label, addressTextLokDelta(result, words), highlightedLokDelta(result));
}

// Where the heading's second column title starts: after the first title
// and the blanks behind it ("Switch" of "Adresse  Switch ON").
int secondColumnStart(const QString &heading)
{
    qsizetype at = heading.indexOf(u' ');
    while (at >= 0 && at < heading.size() && heading.at(at) == u' ')
        ++at;
    return at < 0 ? 0 : int(at);
}

} // namespace

DeltaPanel::DeltaPanel(const Texts &language, QWidget *parent)
    : BevelPanel(parent), m_words(resultWords(language))
{
    namespace rows = layout::delta;
    place(this, layout::window::pnlDelta);

    CaptionFrame *encode = build(rows::encodeFrame, this, language);
    m_lstDelta = build(rows::lstDelta, encode);
    const QLabel *listHeading = build(rows::listHeading, encode, language);

    CaptionFrame *decode = build(rows::decodeFrame, this, language);
    m_txtSwitchLokDelta = build(rows::txtSwitchLokDelta, decode);
    m_chkSwitchLokDelta = buildSwitchBoxes(rows::chkSwitchLokDelta, decode, language);
    m_lblAdresseLokDelta = build(rows::lblAdresseLokDelta, decode, language);
    buildLabels(rows::switchNumbers, decode, language);
    m_lblAnzeigeLokDelta = build(rows::lblAnzeigeLokDelta, decode, language);

    build(rows::heading, this, language);

    m_lstDelta->setItemDelegate(
        new TabColumnDelegate(listHeading, secondColumnStart(listHeading->text()), m_lstDelta));
    subSchreibeListen();

    connect(m_txtSwitchLokDelta, &QLineEdit::textChanged, this,
            &DeltaPanel::txtSwitchLokDelta_Change);
    connectSwitchBoxes(this, m_chkSwitchLokDelta, &DeltaPanel::chkSwitchLokDelta_Click);
    connectKeyPress(this, m_txtSwitchLokDelta, &DeltaPanel::txtSwitchLokDelta_KeyPress);

    const auto &says = language.panels.Delta;
    m_lstDelta->setAccessibleName(toQString(says.list));
    describeDecodeHalf(says, m_txtSwitchLokDelta, m_lblAdresseLokDelta, m_lblAnzeigeLokDelta);
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
              decodeSwitchLokDelta(DeltaPattern::fromBits(tickedBits(m_chkSwitchLokDelta))),
              m_words);
}

void DeltaPanel::txtSwitchLokDelta_Change()
{
    showDelta(m_lblAdresseLokDelta,
              decodeSwitchLokDelta(patternFromTextLokDelta(textOf(m_txtSwitchLokDelta))), m_words);
}

void DeltaPanel::txtSwitchLokDelta_KeyPress(int &keyAscii)
{
    keyAscii = filterDeltaSwitchKey(keyAscii);
}

} // namespace velmarit
