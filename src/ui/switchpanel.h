// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "codes/switchkeyrules.h"
#include "ui/bevelpanel.h"
#include "ui/layout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;

namespace velmarit {

class FrmVelmarit;
class SwitchBox;

// A decode result as a panel shows it: the caption, and whether it stands
// out in the highlight colours.
struct DecodeShown
{
    std::string text;
    bool highlight;
};

// Everything that makes a switch panel the panel of one decoder: its layout
// rows, the codes that answer its controls, and the names a screen reader
// gives them.
struct SwitchDecoder
{
    // The controls of the two frames. Each frame creates its controls in the
    // order its list gives; that order is the one assistive tools walk.
    enum class Part {
        AddressBox,      // the address to encode
        AddressCaption,  // "Adresse"
        SwitchOnCaption, // "Switch ON"
        SwitchList,      // the switches to set ON for the address
        SwitchesBox,     // the typed switch numbers
        SwitchBoxes,     // one box per switch
        SwitchNumbers,   // the number above each box
        FromTyped,       // the address of the typed switch numbers
        FromTicked,      // the address of the ticked boxes
    };

    const layout::Panel &panel;
    const layout::Frame &encodeFrame;
    std::array<Part, 4> encodeOrder;
    const layout::TextBox &addressBox;
    const layout::Label &addressCaption;
    const layout::Label &switchOnCaption;
    const layout::ResultLabel &switchList;
    const layout::Frame &decodeFrame;
    std::array<Part, 5> decodeOrder;
    const layout::TextBox &switchesBox;
    std::span<const layout::CheckBox> switchBoxes;
    std::span<const layout::Label> switchNumbers;
    const layout::ResultLabel &fromTyped;
    const layout::ResultLabel &fromTicked;
    const layout::Label &heading;

    // "Digital-Decoder"; what the address box holds ("Adresse"); what every
    // result is ("Lok-Adresse").
    std::string_view decoderName;
    std::string_view addressName;
    std::string_view resultName;

    std::string (*switchListFor)(std::int16_t address);
    // Bit n-1 of `bits` is switch n.
    DecodeShown (*decodeTicked)(unsigned bits);
    DecodeShown (*decodeTyped)(std::string_view switchNumbers);
    SwitchPairs keyPairs;
};

extern const SwitchDecoder lokDecoder;
extern const SwitchDecoder accessoryDecoder;

// A decoder panel with an address to encode and a row of switches to
// decode, ticked or typed: the locomotive and the turnout panel, each set up
// by its decoder. A decode result is highlighted where the decoder says so.
class SwitchPanel : public BevelPanel
{
    Q_OBJECT

public:
    SwitchPanel(const SwitchDecoder &decoder, QWidget *parent);

    // The handlers, one per input control; each decoder's panel gives them
    // the names of its controls.
    void address_Change();
    void switchBox_Click(int index);
    void switchNumbers_Change();
    void switchNumbers_KeyPress(int &keyAscii);

private:
    friend class FrmVelmarit;
    // The controls the tab key visits, in order.
    std::vector<QWidget *> focusOrder() const;

    void buildPart(SwitchDecoder::Part part, QWidget *frame);

    const SwitchDecoder &m_decoder;
    QLineEdit *m_txtAddress = nullptr;
    QLabel *m_lblSwitchList = nullptr;
    QLineEdit *m_txtSwitches = nullptr;
    std::vector<SwitchBox *> m_chkSwitches; // element 1 is switch 1, 0 unused
    QLabel *m_lblFromTyped = nullptr;
    QLabel *m_lblFromTicked = nullptr;
};

} // namespace velmarit
