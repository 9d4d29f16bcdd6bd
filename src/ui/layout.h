// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"
#include "twips/twips.h"

#include <array>
#include <cstdint>
#include <string_view>

// Where every control of the main window stands, in twips as the layout was
// drawn, with its caption, font, colours and length limit. A caption in
// words is one of the language's texts (texts/), which must fit the place
// drawn for it: a language whose word is too long gets a shorter one there,
// the control stays where it is. Each kind of
// control has a row type of its own, so the code that builds a control from
// a row gets the widget class the row stands for. The rows are grouped by
// the panel that holds them; within a group they are listed in the order the
// controls are created, containers before their contents. Nothing else in
// the program holds a position or a size.
//
// The controls' names are the window's own and stay, though some mislead:
// what each holds, "X" standing for LokDelta, Lok or MA (the Delta, the
// locomotive and the turnout decoder):
//
//   pnlDelta, pnlDigital, pnlWeichen  the three decoder panels
//   frmDelta(0), frmDigital(0), ...   the "decodieren" frame: switches to address
//   frmDelta(1), frmDigital(1), ...   the "codieren" frame: address to switches
//   txtSwitchX                        the typed switch numbers
//   chkSwitchX(n)                     switch n, ticked when ON
//   lblAdresseX                       the address of the typed switch numbers
//   lblAnzeigeX                       the address of the ticked switches
//   txtDigital, txtWeichen            the address to encode
//   lblDelta                          the switches ON for txtDigital's address
//                                     (the locomotive panel's, not the Delta's)
//   lblWeichen                        the switches ON for txtWeichen's address
//   lstDelta                          the fifteen Delta addresses and their switches
//   Label(n)                          a caption: heading, switch number,
//                                     "Adresse", "Switch ON"
//   lblRelease, lblCopyright          the release and the credit caption
//   imgCopyright                      the credit picture (a click: information box)
//
// A handler is named for the control and event it answers: txtDigital_Change
// runs when txtDigital's text changes, chkSwitchLok_Click when a switch box
// is ticked, txtSwitchLok_KeyPress for each typed character; Form_Load and
// Form_Unload answer the window's own (in the shell), and subSchreibeListen
// fills lstDelta.
namespace velmarit::layout {

using velmarit::twipsToPixels;

inline constexpr int clientWidthTwips = 9435;
inline constexpr int clientHeightTwips = 7425;
inline constexpr int clientWidth = twipsToPixels(clientWidthTwips);   // 629
inline constexpr int clientHeight = twipsToPixels(clientHeightTwips); // 495

// The outer size the load step gives the window (title bar and borders of
// the original platform included).
inline constexpr int outerWidthTwips = 9555;
inline constexpr int outerHeightTwips = 7830;

// Colours are packed 0x00BBGGRR. A value with the top bit set stands for a
// system colour: the control keeps the style's colour for that role.
using Colour = std::uint32_t;
inline constexpr Colour lightBlue = 0x00FF8080;
inline constexpr Colour black = 0x00000000;
inline constexpr Colour cyan = 0x00FFFF00;
inline constexpr Colour white = 0x00FFFFFF;
inline constexpr Colour darkBlue = 0x00C00000;
inline constexpr Colour red = 0x000000FF;
inline constexpr Colour buttonFace = 0x8000000F;
inline constexpr Colour buttonText = 0x80000012;
inline constexpr Colour windowBackground = 0x80000005;
inline constexpr Colour windowText = 0x80000008;

constexpr bool isSystemColour(Colour c)
{
    return (c & 0x80000000u) != 0;
}
constexpr int redOf(Colour c)
{
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFFu);
}

inline constexpr Colour windowColour = lightBlue;

struct Font
{
    std::string_view family;
    double points;
    bool bold;
};

inline constexpr Font windowFont{"Arial", 9.75, false};
inline constexpr Font headingFont{"Arial", 9.75, true};
inline constexpr Font switchBoxFont{"MS Sans Serif", 8.25, false};
inline constexpr Font resultFont{"Microsoft Sans Serif", 11.25, true};
inline constexpr Font creditFont{"Microsoft Sans Serif", 9.0, false};

enum class Align {
    Left,
    Right,
    Centre,
};

// What a caption says: a text of its own (a switch number), or one of the
// language's texts, which `text` picks from them.
struct Caption
{
    using Text = std::string_view (*)(const Texts &);

    constexpr Caption() = default;
    constexpr Caption(const char *fixed) : fixed(fixed) {}
    constexpr Caption(Text text) : text(text) {}

    constexpr std::string_view in(const Texts &language) const
    {
        return text != nullptr ? text(language) : fixed;
    }

    std::string_view fixed;
    Text text = nullptr;
};

// The language's texts that captions show.
namespace says {
constexpr std::string_view decode(const Texts &t)
{
    return t.frames.decode;
}
constexpr std::string_view encode(const Texts &t)
{
    return t.frames.encode;
}
constexpr std::string_view analog(const Texts &t)
{
    return t.library.words.analog;
}
constexpr std::string_view deltaHeading(const Texts &t)
{
    return t.panels.Delta.heading;
}
constexpr std::string_view deltaListHeading(const Texts &t)
{
    return t.panels.Delta.listHead;
}
constexpr std::string_view digitalHeading(const Texts &t)
{
    return t.panels.Digital.heading;
}
constexpr std::string_view digitalAddress(const Texts &t)
{
    return t.panels.Digital.addressLabel;
}
constexpr std::string_view digitalSwitches(const Texts &t)
{
    return t.panels.Digital.switchListCaption;
}
constexpr std::string_view weichenHeading(const Texts &t)
{
    return t.panels.Weichen.heading;
}
constexpr std::string_view weichenAddress(const Texts &t)
{
    return t.panels.Weichen.addressLabel;
}
constexpr std::string_view weichenSwitches(const Texts &t)
{
    return t.panels.Weichen.switchListCaption;
}
} // namespace says

// A control's place: twips, in the client area of its container (the
// window, a panel or a frame).
struct Box
{
    int left, top, width, height;
};

// A raised 3-D container.
struct Panel
{
    std::string_view name;
    Box box;
};

// A group box, its caption in the top border.
struct Frame
{
    std::string_view name;
    Box box;
    Caption caption;
};

// A single-line box, text centred, empty at start.
struct TextBox
{
    std::string_view name;
    Box box;
    int maxLength; // 0: no limit
};

inline constexpr int switchBoxSize = 195;

// A switch: the box alone, no caption, switchBoxSize square.
struct CheckBox
{
    std::string_view name; // "chkSwitchLok(3)" is switch 3
    int left, top;
};

// A static caption, transparent.
struct Label
{
    std::string_view name;
    Box box;
    Caption caption;
    Colour fore;
    Font font = windowFont;
    Align align = Align::Left;
};

// A result: opaque black, bordered, bold, centred.
struct ResultLabel
{
    std::string_view name;
    Box box;
    Caption caption;
    Font font;
    Colour fore;
};

inline constexpr Colour resultBack = black;

struct ListBox
{
    std::string_view name;
    Box box;
};

struct Image
{
    std::string_view name;
    Box box;
};

// The window itself: three panels stacked, the credit corner top right.
namespace window {
inline constexpr Panel pnlWeichen{"pnlWeichen", {240, 5040, 9015, 2115}};
inline constexpr Panel pnlDigital{"pnlDigital", {240, 2670, 7875, 2145}};
inline constexpr Panel pnlDelta{"pnlDelta", {240, 210, 5925, 2235}};
inline constexpr Label lblRelease{"lblRelease", {6450, 1230, 2055, 315}, "lblRelease", white};
// Shows the language's credit (the window writes it, without a name until
// the load step).
inline constexpr Label lblCopyright{"lblCopyright", {6240, 750, 2925, 345}, {}, white, creditFont,
                                    Align::Right};
inline constexpr Image imgCopyright{"imgCopyright", {8370, 150, 765, 495}};
} // namespace window

// Delta decoder, in pnlDelta.
namespace delta {
inline constexpr Frame encodeFrame{"frmDelta(1)", {3480, 510, 2295, 1575}, says::encode};
// In encodeFrame.
inline constexpr ListBox lstDelta{"lstDelta", {150, 660, 1935, 780}};
inline constexpr Label listHeading{
    "Label(19)", {150, 270, 1845, 345}, says::deltaListHeading, darkBlue};

inline constexpr Frame decodeFrame{"frmDelta(0)", {150, 510, 3165, 1575}, says::decode};
// In decodeFrame.
inline constexpr TextBox txtSwitchLokDelta{"txtSwitchLokDelta", {210, 390, 1050, 360}, 4};
inline constexpr std::array chkSwitchLokDelta{
    CheckBox{"chkSwitchLokDelta(1)", 1770, 540},
    CheckBox{"chkSwitchLokDelta(2)", 2070, 540},
    CheckBox{"chkSwitchLokDelta(3)", 2370, 540},
    CheckBox{"chkSwitchLokDelta(4)", 2670, 540},
};
inline constexpr ResultLabel lblAdresseLokDelta{
    "lblAdresseLokDelta", {210, 900, 1065, 375}, says::analog, resultFont, cyan};
inline constexpr std::array switchNumbers{
    Label{"Label(20)", {1800, 270, 135, 195}, "1", darkBlue},
    Label{"Label(21)", {2115, 270, 135, 195}, "2", darkBlue},
    Label{"Label(22)", {2400, 270, 135, 195}, "3", darkBlue},
    Label{"Label(23)", {2700, 270, 135, 195}, "4", darkBlue},
};
inline constexpr ResultLabel lblAnzeigeLokDelta{
    "lblAnzeigeLokDelta", {1740, 900, 1155, 375}, says::analog, resultFont, cyan};

inline constexpr Label heading{
    "Label(28)", {120, 120, 1635, 345}, says::deltaHeading, buttonText, headingFont};
} // namespace delta

// Locomotive decoder, in pnlDigital.
namespace digital {
inline constexpr Frame encodeFrame{"frmDigital(1)", {5070, 510, 2505, 1455}, says::encode};
// In encodeFrame.
inline constexpr TextBox txtDigital{"txtDigital", {1290, 390, 675, 360}, 2};
inline constexpr Label switchOnCaption{
    "Label(26)", {150, 930, 1035, 345}, says::digitalSwitches, darkBlue};
inline constexpr Label addressCaption{
    "Label(27)", {150, 420, 855, 315}, says::digitalAddress, darkBlue};
inline constexpr ResultLabel lblDelta{"lblDelta", {1290, 900, 1005, 345}, {}, headingFont, cyan};

inline constexpr Frame decodeFrame{"frmDigital(0)", {150, 510, 4755, 1455}, says::decode};
// In decodeFrame.
inline constexpr std::array chkSwitchLok{
    CheckBox{"chkSwitchLok(1)", 1770, 600}, CheckBox{"chkSwitchLok(2)", 2040, 600},
    CheckBox{"chkSwitchLok(3)", 2550, 600}, CheckBox{"chkSwitchLok(4)", 2820, 600},
    CheckBox{"chkSwitchLok(5)", 3270, 600}, CheckBox{"chkSwitchLok(6)", 3540, 600},
    CheckBox{"chkSwitchLok(7)", 4020, 600}, CheckBox{"chkSwitchLok(8)", 4320, 600},
};
inline constexpr TextBox txtSwitchLok{"txtSwitchLok", {210, 390, 1050, 360}, 4};
inline constexpr std::array switchNumbers{
    Label{"Label(0)", {1800, 330, 135, 195}, "1", black},
    Label{"Label(1)", {2085, 330, 135, 195}, "2", black},
    Label{"Label(2)", {2580, 330, 135, 195}, "3", black},
    Label{"Label(3)", {2850, 330, 135, 195}, "4", black},
    Label{"Label(4)", {3300, 330, 135, 195}, "5", black},
    Label{"Label(5)", {3600, 330, 135, 195}, "6", black},
    Label{"Label(6)", {4080, 330, 135, 195}, "7", black},
    Label{"Label(7)", {4365, 330, 135, 195}, "8", black},
};
inline constexpr ResultLabel lblAnzeigeLok{
    "lblAnzeigeLok", {1740, 900, 2775, 345}, {}, resultFont, cyan};
inline constexpr ResultLabel lblAdresseLok{
    "lblAdresseLok", {210, 900, 1065, 345}, {}, resultFont, white};

inline constexpr Label heading{
    "Label(24)", {120, 120, 2025, 345}, says::digitalHeading, buttonText, headingFont};
} // namespace digital

// Accessory (turnout) decoder, in pnlWeichen.
namespace weichen {
inline constexpr Frame encodeFrame{"frmWeichen(1)", {5790, 510, 3045, 1455}, says::encode};
// In encodeFrame.
inline constexpr TextBox txtWeichen{"txtWeichen", {1290, 390, 705, 360}, 0};
inline constexpr Label addressCaption{
    "Label(29)", {150, 450, 855, 315}, says::weichenAddress, darkBlue};
inline constexpr Label switchOnCaption{
    "Label(25)", {150, 960, 1035, 345}, says::weichenSwitches, darkBlue};
inline constexpr ResultLabel lblWeichen{
    "lblWeichen", {1290, 960, 1485, 315}, {}, headingFont, cyan};

inline constexpr Frame decodeFrame{"frmWeichen(0)", {150, 510, 5475, 1455}, says::decode};
// In decodeFrame.
inline constexpr TextBox txtSwitchMA{"txtSwitchMA", {210, 390, 1050, 360}, 6};
inline constexpr std::array chkSwitchMA{
    CheckBox{"chkSwitchMA(1)", 1770, 600}, CheckBox{"chkSwitchMA(2)", 2040, 600},
    CheckBox{"chkSwitchMA(3)", 2550, 600}, CheckBox{"chkSwitchMA(4)", 2820, 600},
    CheckBox{"chkSwitchMA(5)", 3270, 600}, CheckBox{"chkSwitchMA(6)", 3540, 600},
    CheckBox{"chkSwitchMA(7)", 4020, 600}, CheckBox{"chkSwitchMA(8)", 4320, 600},
    CheckBox{"chkSwitchMA(9)", 4770, 600}, CheckBox{"chkSwitchMA(10)", 5070, 600},
};
inline constexpr ResultLabel lblAdresseMA{
    "lblAdresseMA", {210, 900, 1065, 345}, {}, resultFont, white};
inline constexpr ResultLabel lblAnzeigeMA{
    "lblAnzeigeMA", {1740, 900, 3555, 345}, {}, resultFont, cyan};
inline constexpr std::array switchNumbers{
    Label{"Label(8)", {1800, 300, 135, 195}, "1", black},
    Label{"Label(9)", {2085, 300, 135, 195}, "2", black},
    Label{"Label(10)", {2580, 300, 135, 195}, "3", black},
    Label{"Label(11)", {2850, 300, 135, 195}, "4", black},
    Label{"Label(12)", {3300, 300, 135, 195}, "5", black},
    Label{"Label(13)", {3600, 300, 135, 195}, "6", black},
    Label{"Label(14)", {4080, 300, 135, 195}, "7", black},
    Label{"Label(15)", {4365, 300, 135, 195}, "8", black},
    Label{"Label(16)", {4800, 300, 135, 195}, "9", black},
    Label{"Label(17)", {5070, 300, 225, 195}, "10", black},
};

inline constexpr Label heading{
    "Label(18)", {120, 120, 2235, 345}, says::weichenHeading, buttonText, headingFont};
} // namespace weichen

} // namespace velmarit::layout
