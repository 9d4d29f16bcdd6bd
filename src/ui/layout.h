// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Where every control of the main window stands, in twips as the layout was
// drawn, with its kind, caption, font, colours and length limit. The window
// builds itself from this one table; nothing else in the program holds a
// position or a size.
namespace velmarit::layout {

inline constexpr int twipsPerPixel = 15; // at 96 dpi; Qt's scaling does the rest

// Nearest logical pixel (halves away from zero).
constexpr int twipsToPixels(int twips)
{
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((-twips + half) / twipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

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

enum class Kind {
    Panel,       // raised 3-D container
    Frame,       // group box, caption in the top border
    TextBox,     // single line, centred
    CheckBox,    // the box alone, no caption
    Label,       // static caption, transparent
    ResultLabel, // opaque, bordered, bold, centred
    ListBox,
    Image,
};

enum class Align {
    Left,
    Right,
    Centre,
};

struct Control
{
    std::string_view name;      // array elements carry their index: "chkSwitchLok(3)"
    std::string_view container; // empty: the window itself
    Kind kind;
    int left, top, width, height; // twips, in the container's client area
    std::string_view caption;     // caption, or initial text
    Font font;
    Colour fore;
    Colour back; // only for opaque controls
    Align align;
    int maxLength; // text boxes: 0 = no limit
};

// One helper per control kind keeps the table rows to the values that differ.
constexpr Control panel(std::string_view name, int l, int t, int w, int h)
{
    return {name, {},         Kind::Panel, l,          t,           w, h,
            {},   windowFont, buttonText,  buttonFace, Align::Left, 0};
}

constexpr Control frame(std::string_view name, std::string_view in, int l, int t, int w, int h,
                        std::string_view caption)
{
    return {name,    in,         Kind::Frame, l,          t,           w, h,
            caption, windowFont, buttonText,  buttonFace, Align::Left, 0};
}

constexpr Control textBox(std::string_view name, std::string_view in, int l, int t, int w, int h,
                          int maxLength)
{
    return {name,
            in,
            Kind::TextBox,
            l,
            t,
            w,
            h,
            {},
            windowFont,
            windowText,
            windowBackground,
            Align::Centre,
            maxLength};
}

inline constexpr int switchBoxSize = 195;

constexpr Control checkBox(std::string_view name, std::string_view in, int l, int t)
{
    return {
        name,          in,         Kind::CheckBox, l,           t, switchBoxSize, switchBoxSize, {},
        switchBoxFont, buttonText, buttonFace,     Align::Left, 0};
}

constexpr Control label(std::string_view name, std::string_view in, int l, int t, int w, int h,
                        std::string_view caption, Colour fore, Font font = windowFont,
                        Align align = Align::Left)
{
    return {name, in, Kind::Label, l, t, w, h, caption, font, fore, buttonFace, align, 0};
}

constexpr Control resultLabel(std::string_view name, std::string_view in, int l, int t, int w,
                              int h, std::string_view caption, Font font, Colour fore)
{
    return {name, in, Kind::ResultLabel, l, t, w, h, caption, font, fore, black, Align::Centre, 0};
}

constexpr Control listBox(std::string_view name, std::string_view in, int l, int t, int w, int h)
{
    return {name,       in,         Kind::ListBox,    l,           t, w, h, {},
            windowFont, windowText, windowBackground, Align::Left, 0};
}

constexpr Control image(std::string_view name, int l, int t, int w, int h)
{
    return {name, {},         Kind::Image, l,          t,           w, h,
            {},   windowFont, buttonText,  buttonFace, Align::Left, 0};
}

// Containers come before their contents.
inline constexpr std::array controls{
    // The window: three panels stacked, the credit corner top right.
    panel("pnlWeichen", 240, 5040, 9015, 2115),
    panel("pnlDigital", 240, 2670, 7875, 2145),
    panel("pnlDelta", 240, 210, 5925, 2235),
    label("lblRelease", {}, 6450, 1230, 2055, 315, "lblRelease", white),
    label("lblCopyright", {}, 6240, 750, 2925, 345, "programmed by ", white, creditFont,
          Align::Right),
    image("imgCopyright", 8370, 150, 765, 495),

    // Delta decoder.
    frame("frmDelta(1)", "pnlDelta", 3480, 510, 2295, 1575, " codieren "),
    listBox("lstDelta", "frmDelta(1)", 150, 660, 1935, 780),
    label("Label(19)", "frmDelta(1)", 150, 270, 1845, 345, "Adresse  Switch ON", darkBlue),
    frame("frmDelta(0)", "pnlDelta", 150, 510, 3165, 1575, " decodieren "),
    textBox("txtSwitchLokDelta", "frmDelta(0)", 210, 390, 1050, 360, 4),
    checkBox("chkSwitchLokDelta(1)", "frmDelta(0)", 1770, 540),
    checkBox("chkSwitchLokDelta(2)", "frmDelta(0)", 2070, 540),
    checkBox("chkSwitchLokDelta(3)", "frmDelta(0)", 2370, 540),
    checkBox("chkSwitchLokDelta(4)", "frmDelta(0)", 2670, 540),
    resultLabel("lblAdresseLokDelta", "frmDelta(0)", 210, 900, 1065, 375, "analog", resultFont,
                cyan),
    label("Label(20)", "frmDelta(0)", 1800, 270, 135, 195, "1", darkBlue),
    label("Label(21)", "frmDelta(0)", 2115, 270, 135, 195, "2", darkBlue),
    label("Label(22)", "frmDelta(0)", 2400, 270, 135, 195, "3", darkBlue),
    label("Label(23)", "frmDelta(0)", 2700, 270, 135, 195, "4", darkBlue),
    resultLabel("lblAnzeigeLokDelta", "frmDelta(0)", 1740, 900, 1155, 375, "analog", resultFont,
                cyan),
    label("Label(28)", "pnlDelta", 120, 120, 1635, 345, "Delta-Decoder", buttonText, headingFont),

    // Locomotive decoder.
    frame("frmDigital(1)", "pnlDigital", 5070, 510, 2505, 1455, " codieren "),
    textBox("txtDigital", "frmDigital(1)", 1290, 390, 675, 360, 2),
    label("Label(26)", "frmDigital(1)", 150, 930, 1035, 345, "Switch ON", darkBlue),
    label("Label(27)", "frmDigital(1)", 150, 420, 855, 315, "Adresse", darkBlue),
    resultLabel("lblDelta", "frmDigital(1)", 1290, 900, 1005, 345, {}, headingFont, cyan),
    frame("frmDigital(0)", "pnlDigital", 150, 510, 4755, 1455, " decodieren "),
    checkBox("chkSwitchLok(1)", "frmDigital(0)", 1770, 600),
    checkBox("chkSwitchLok(2)", "frmDigital(0)", 2040, 600),
    checkBox("chkSwitchLok(3)", "frmDigital(0)", 2550, 600),
    checkBox("chkSwitchLok(4)", "frmDigital(0)", 2820, 600),
    checkBox("chkSwitchLok(5)", "frmDigital(0)", 3270, 600),
    checkBox("chkSwitchLok(6)", "frmDigital(0)", 3540, 600),
    checkBox("chkSwitchLok(7)", "frmDigital(0)", 4020, 600),
    checkBox("chkSwitchLok(8)", "frmDigital(0)", 4320, 600),
    textBox("txtSwitchLok", "frmDigital(0)", 210, 390, 1050, 360, 4),
    label("Label(0)", "frmDigital(0)", 1800, 330, 135, 195, "1", black),
    label("Label(1)", "frmDigital(0)", 2085, 330, 135, 195, "2", black),
    label("Label(2)", "frmDigital(0)", 2580, 330, 135, 195, "3", black),
    label("Label(3)", "frmDigital(0)", 2850, 330, 135, 195, "4", black),
    label("Label(4)", "frmDigital(0)", 3300, 330, 135, 195, "5", black),
    label("Label(5)", "frmDigital(0)", 3600, 330, 135, 195, "6", black),
    label("Label(6)", "frmDigital(0)", 4080, 330, 135, 195, "7", black),
    label("Label(7)", "frmDigital(0)", 4365, 330, 135, 195, "8", black),
    resultLabel("lblAnzeigeLok", "frmDigital(0)", 1740, 900, 2775, 345, {}, resultFont, cyan),
    resultLabel("lblAdresseLok", "frmDigital(0)", 210, 900, 1065, 345, {}, resultFont, white),
    label("Label(24)", "pnlDigital", 120, 120, 2025, 345, "Digital-Decoder", buttonText,
          headingFont),

    // Accessory (turnout) decoder.
    frame("frmWeichen(1)", "pnlWeichen", 5790, 510, 3045, 1455, " codieren "),
    textBox("txtWeichen", "frmWeichen(1)", 1290, 390, 705, 360, 0),
    label("Label(29)", "frmWeichen(1)", 150, 450, 855, 315, "Adresse", darkBlue),
    label("Label(25)", "frmWeichen(1)", 150, 960, 1035, 345, "Switch ON", darkBlue),
    resultLabel("lblWeichen", "frmWeichen(1)", 1290, 960, 1485, 315, {}, headingFont, cyan),
    frame("frmWeichen(0)", "pnlWeichen", 150, 510, 5475, 1455, " decodieren "),
    textBox("txtSwitchMA", "frmWeichen(0)", 210, 390, 1050, 360, 6),
    checkBox("chkSwitchMA(1)", "frmWeichen(0)", 1770, 600),
    checkBox("chkSwitchMA(2)", "frmWeichen(0)", 2040, 600),
    checkBox("chkSwitchMA(3)", "frmWeichen(0)", 2550, 600),
    checkBox("chkSwitchMA(4)", "frmWeichen(0)", 2820, 600),
    checkBox("chkSwitchMA(5)", "frmWeichen(0)", 3270, 600),
    checkBox("chkSwitchMA(6)", "frmWeichen(0)", 3540, 600),
    checkBox("chkSwitchMA(7)", "frmWeichen(0)", 4020, 600),
    checkBox("chkSwitchMA(8)", "frmWeichen(0)", 4320, 600),
    checkBox("chkSwitchMA(9)", "frmWeichen(0)", 4770, 600),
    checkBox("chkSwitchMA(10)", "frmWeichen(0)", 5070, 600),
    resultLabel("lblAdresseMA", "frmWeichen(0)", 210, 900, 1065, 345, {}, resultFont, white),
    resultLabel("lblAnzeigeMA", "frmWeichen(0)", 1740, 900, 3555, 345, {}, resultFont, cyan),
    label("Label(8)", "frmWeichen(0)", 1800, 300, 135, 195, "1", black),
    label("Label(9)", "frmWeichen(0)", 2085, 300, 135, 195, "2", black),
    label("Label(10)", "frmWeichen(0)", 2580, 300, 135, 195, "3", black),
    label("Label(11)", "frmWeichen(0)", 2850, 300, 135, 195, "4", black),
    label("Label(12)", "frmWeichen(0)", 3300, 300, 135, 195, "5", black),
    label("Label(13)", "frmWeichen(0)", 3600, 300, 135, 195, "6", black),
    label("Label(14)", "frmWeichen(0)", 4080, 300, 135, 195, "7", black),
    label("Label(15)", "frmWeichen(0)", 4365, 300, 135, 195, "8", black),
    label("Label(16)", "frmWeichen(0)", 4800, 300, 135, 195, "9", black),
    label("Label(17)", "frmWeichen(0)", 5070, 300, 225, 195, "10", black),
    label("Label(18)", "pnlWeichen", 120, 120, 2235, 345, "Weichen-Decoder", buttonText,
          headingFont),
};

static_assert(controls.size() == 78);

} // namespace velmarit::layout
