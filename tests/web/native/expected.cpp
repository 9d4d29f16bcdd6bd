// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, as JSON, what the native library answers for every input the
// page's tests put to the WebAssembly binding, each decoder by its word:
// every switch pattern, the addresses 0 to 300 and the 16-bit edges and the
// number texts of the library's own tests typed into the address boxes,
// switch-number texts, key verdicts, the Delta list and the coding tables;
// and the window's controls of each decoder, as ui/layout.h names them.
// Texts put in go out as hex bytes, so NULs and broken UTF-8 survive, and so
// do the answers to them; the tables and the control names are plain JSON
// strings. Given three words (invalid, analog, no switch ON), it answers in
// them, as the page in another language does.

#include "codes/decodercodes.h"
#include "codes/deltacode.h"
#include "tables/codingtable.h"
#include "ui/layout.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

using namespace velmarit;

namespace {

ResultWords words = germanWords;

std::string hex(std::string_view text)
{
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (const unsigned char c : text) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out + '"';
}

// A text the library writes (valid UTF-8) as a JSON string.
std::string json(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

template <class Items, class Each> std::string list(const Items &items, Each each)
{
    std::string out = "[";
    for (const auto &item : items)
        out += (out.size() > 1 ? "," : "") + each(item);
    return out + ']';
}

// {"Lok": ..., "Delta": ..., "MA": ...}
template <class Each> std::string byDecoder(Each each)
{
    std::string out = "{";
    for (const Decoder d : allDecoders)
        out += (out.size() > 1 ? "," : "") + json(decoderWord(d)) + ':' + each(d);
    return out + '}';
}

// A decode result's text and whether it is highlighted (1 or 0).
std::string shown(Decoder d, unsigned bits)
{
    const ShownResult result = decodedResult(d, bits, words);
    return hex(result.text) + ',' + (result.highlighted ? "1" : "0");
}

// A table's cells; its texts are the page's.
std::string tableJson(Decoder d)
{
    const CodingTable table = tableRows(d, words);
    return "{\"switchCount\":" + std::to_string(table.switchCount) +
           ",\"leadingCount\":" + std::to_string(table.leading.size()) +
           ",\"trailingCount\":" + std::to_string(table.trailing.size()) +
           ",\"rows\":" + list(table.rows, [&](const TableRow &row) {
               return "{\"bits\":" + std::to_string(row.onSwitches) + ",\"startsGroup\":" +
                      (row.startsGroup ? "true" : "false") + ",\"onText\":" +
                      json(switchesOnText(table, row)) +
                      ",\"leading\":" + list(row.leading, json) +
                      ",\"trailing\":" + list(row.trailing, json) + '}';
           }) +
           '}';
}

// The window's controls of each decoder, by the part each plays in the
// page's panel list (web/panels.json).
struct WindowPanel
{
    Decoder decoder;
    layout::Panel panel;
    std::span<const layout::CheckBox> switches;
    layout::TextBox typed;
    layout::ResultLabel fromTyped;
    layout::ResultLabel fromTicked;
    const layout::ListBox *list = nullptr;
    const layout::TextBox *address = nullptr;
    const layout::ResultLabel *switchList = nullptr;
};

namespace L = layout;
const std::vector<WindowPanel> windowPanels{
    {Decoder::Delta, L::window::pnlDelta, L::delta::chkSwitchLokDelta, L::delta::txtSwitchLokDelta,
     L::delta::lblAdresseLokDelta, L::delta::lblAnzeigeLokDelta, &L::delta::lstDelta},
    {Decoder::Lok, L::window::pnlDigital, L::digital::chkSwitchLok, L::digital::txtSwitchLok,
     L::digital::lblAdresseLok, L::digital::lblAnzeigeLok, nullptr, &L::digital::txtDigital,
     &L::digital::lblDelta},
    {Decoder::MA, L::window::pnlWeichen, L::weichen::chkSwitchMA, L::weichen::txtSwitchMA,
     L::weichen::lblAdresseMA, L::weichen::lblAnzeigeMA, nullptr, &L::weichen::txtWeichen,
     &L::weichen::lblWeichen},
};

const WindowPanel &windowPanel(Decoder d)
{
    return *std::find_if(windowPanels.begin(), windowPanels.end(),
                         [d](const WindowPanel &p) { return p.decoder == d; });
}

// A panel's controls in the page's terms: the switches by the name all
// their check boxes share before "(n)" (none when they do not).
std::string layoutJson(const WindowPanel &p)
{
    std::string prefix(p.switches[0].name.substr(0, p.switches[0].name.find('(')));
    for (std::size_t n = 0; n < p.switches.size(); ++n) {
        if (p.switches[n].name != prefix + '(' + std::to_string(n + 1) + ')')
            prefix.clear();
    }
    // The result labels show a caption (Delta's "analog") before any input.
    const bool resultsAtStart = !p.fromTyped.caption.in(texts::german).empty() &&
                                !p.fromTicked.caption.in(texts::german).empty();
    std::string out = "{\"decoder\":" + json(decoderWord(p.decoder)) +
                      ",\"panel\":" + json(p.panel.name) + ",\"switches\":" + json(prefix) +
                      ",\"count\":" + std::to_string(p.switches.size()) +
                      ",\"typed\":" + json(p.typed.name) +
                      ",\"maxlength\":" + std::to_string(p.typed.maxLength) +
                      ",\"fromTyped\":" + json(p.fromTyped.name) +
                      ",\"fromTicked\":" + json(p.fromTicked.name) +
                      ",\"resultsAtStart\":" + (resultsAtStart ? "true" : "false");
    if (p.list)
        out += ",\"list\":" + json(p.list->name);
    if (p.address) {
        out += ",\"address\":" + json(p.address->name) + ",\"addressMaxlength\":" +
               (p.address->maxLength ? std::to_string(p.address->maxLength) : "null") +
               ",\"switchList\":" + json(p.switchList->name);
    }
    return out + '}';
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4)
        words = {argv[1], argv[2], argv[3]};

    std::string out = "{\"decoders\":" + list(allDecoders, [](Decoder d) {
        return json(decoderWord(d));
    });
    out += ",\"patterns\":" + byDecoder([](Decoder d) {
        std::vector<unsigned> patterns(1u << switchCount(d));
        for (unsigned bits = 0; bits < patterns.size(); ++bits)
            patterns[bits] = bits;
        return list(patterns, [d](unsigned bits) { return '[' + shown(d, bits) + ']'; });
    });

    // The addresses as typed into each decoder's address box (the Delta
    // decoder has none: its answers are empty).
    std::vector<int> numbers;
    for (int n = 0; n <= 300; ++n)
        numbers.push_back(n);
    for (int n : {-32768, -32767, -32766, -300, -9, -5, -4, -3, -2, -1, 32765, 32766, 32767})
        numbers.push_back(n);
    const auto switchLists = [](const std::string &typed) {
        return byDecoder([&typed](Decoder d) { return hex(switchListFromText(d, typed, words)); });
    };
    out += ",\"encode\":" + list(numbers, [&](int n) {
        return '[' + std::to_string(n) + ',' + switchLists(std::to_string(n)) + ']';
    });

    // The texts of the library's own number-reading tests.
    const std::string million(100000, '9');
    const std::vector<std::string> numberTexts = {
        "", " \t\n", "a7", "1a", " 7", "7 ", "1 2", "\t1\n2\t", "1\r2", "007", "+5", "-5", "-",
        "+", "--5", "+-5", "- 5", "5-3", ".5", ".7", "2.5", "3.5", "-2.5", "-3.5", "-.5", "-.7",
        "2.5000001", "2.4999999", "2.5000", "0.05", "1.09", "2. 5 1", "7.", ".", "..5", "1.2.9",
        "1,9", "1E2", "&H10", "&O17", "0x1F", "32767", "-32768", "32768", "-32769", "65536",
        "65537", "4294967296", "4294967303", "-65536", "32767.5", "32766.5", "-32768.5",
        "-32767.5", "-32768.6", std::string("1\0" "2", 3), std::string("\0" "5", 2), "ü5", "5ü",
        "1ä2", "５", "٣", "\u00a07", "\xff\xfe\x80", million, "-" + million,
        std::string(100000, '0') + "5", "1" + std::string(100000, ' ') + "2",
        "2.5" + std::string(100000, '0'), "2.5" + std::string(100000, '0') + "1",
        "4." + million, std::string(100000, '\0'), "7" + std::string(100000, 'x')};
    out += ",\"numbers\":" + list(numberTexts, [&](const std::string &typed) {
        return '[' + hex(typed) + ',' + switchLists(typed) + ']';
    });

    const std::vector<std::string> switchTexts = {
        "", "0", "1", "12", "135", "08", "7531", "1 3", "a1", "9", "90", "2357 90", "1ä2",
        "abc", "12345678910", "44", "\xff" "3"};
    out += ",\"switchTexts\":" + list(switchTexts, [](const std::string &typed) {
        return '[' + hex(typed) + ',' + byDecoder([&typed](Decoder d) {
                   return std::to_string(patternFromText(d, typed));
               }) + ']';
    });

    const std::vector<std::string> boxTexts = {"", "1", "2", "13", "a", "9", "0", "90", "ü",
                                               "1357", ":", "/"};
    const std::vector<int> keys = {8,   13,  27,  ' ', '/', '0', '1', '2', '3', '4',
                                   '5', '6', '7', '8', '9', ':', 'a', 0xFC, 0x4E00, 0x1F600};
    std::vector<std::string> verdicts;
    for (const auto &text : boxTexts)
        for (const int key : keys)
            for (const Decoder d : allDecoders)
                verdicts.push_back('[' + json(decoderWord(d)) + ',' + hex(text) + ',' +
                                   std::to_string(key) + ',' +
                                   std::to_string(filterSwitchKey(d, text, key)) + ']');
    out += ",\"keys\":" + list(verdicts, [](const std::string &row) { return row; });

    // Keys typed one by one into a switch-number box: each goes through the
    // key rule, and the box's length limit holds.
    const std::vector<std::pair<Decoder, std::string>> typings = {
        {Decoder::Delta, "2340"}, {Decoder::Delta, "5a 1"}, {Decoder::Delta, "01234"},
        {Decoder::Delta, "4321"}, {Decoder::Delta, "9999"}, {Decoder::Delta, "34"},
        {Decoder::Lok, "1357"}, {Decoder::Lok, "12"}, {Decoder::Lok, "1111"},
        {Decoder::Lok, "a1"}, {Decoder::Lok, "a1b"}, {Decoder::Lok, " 13"},
        {Decoder::Lok, "2468"}, {Decoder::Lok, "135790"}, {Decoder::Lok, "8642"},
        {Decoder::Lok, "7531"}, {Decoder::Lok, "\xc3\xbc" "1"}, {Decoder::MA, "235790"},
        {Decoder::MA, "2a"}, {Decoder::MA, "a2357"}, {Decoder::MA, "90"}, {Decoder::MA, "0912"},
        {Decoder::MA, "12"}, {Decoder::MA, "1234567890"}, {Decoder::MA, ":9"},
        {Decoder::MA, "/0"}, {Decoder::MA, "46819"}};
    out += ",\"typed\":" + list(typings, [](const auto &typing) {
        const auto &[d, keys] = typing;
        const std::size_t maxLength = static_cast<std::size_t>(windowPanel(d).typed.maxLength);
        std::string box;
        // One character at a time: a byte below 0x80, or a two-byte UTF-8
        // sequence, which is all the keys above use.
        for (std::size_t k = 0; k < keys.size();) {
            const unsigned char c = static_cast<unsigned char>(keys[k]);
            const std::size_t width = c < 0x80 ? 1 : 2;
            const int code = width == 1 ? c : ((c & 0x1F) << 6) | (keys[k + 1] & 0x3F);
            if (filterSwitchKey(d, box, code) != 0 && box.size() < maxLength)
                box += keys.substr(k, width);
            k += width;
        }
        return '[' + json(decoderWord(d)) + ',' + hex(keys) + ',' + hex(box) + ',' +
               shown(d, patternFromText(d, box)) + ']';
    });

    out += ",\"deltaRows\":" +
           list(deltaAddressTable, [](const DeltaRow &row) { return hex(deltaRowText(row)); });
    out += ",\"tables\":" + byDecoder(tableJson);

    // The window's panels from top to bottom.
    std::vector<WindowPanel> fromTop = windowPanels;
    std::sort(fromTop.begin(), fromTop.end(), [](const WindowPanel &a, const WindowPanel &b) {
        return a.panel.box.top < b.panel.box.top;
    });
    out += ",\"window\":" + list(fromTop, layoutJson) + "}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
