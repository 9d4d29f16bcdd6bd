// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, as JSON, what the native library answers for every input the
// WebAssembly test puts to the page's binding: every switch pattern, the
// addresses 0 to 300 and the 16-bit edges, the number texts of the library's
// own tests, switch-number texts, key verdicts, the Delta list and the
// coding tables. Texts go out as hex bytes, so NULs and broken UTF-8 survive.
// Given three words (invalid, analog, no switch ON), it answers in them, as
// the page in another language does.

#include "codes/macode.h"
#include "codes/deltacode.h"
#include "codes/lokcode.h"
#include "codes/numberfromtext.h"
#include "codes/switchkeyrules.h"
#include "tables/codingtable.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using namespace velmarit;

namespace {

ResultWords words = germanWords;

std::string hex(std::string_view text)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : text) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return '"' + out + '"';
}

struct Decoded
{
    std::string text;
    bool highlighted;
};

// A decode label's text and whether the window shows it highlighted.
Decoded decoded(int kind, unsigned bits)
{
    if (kind == 0) {
        const DeltaResult r = decodeSwitchLokDelta(DeltaPattern::fromBits(bits));
        return {addressTextLokDelta(r, words), highlightedLokDelta(r)};
    }
    if (kind == 1) {
        const LokResult r = decodeSwitchLok(LokPattern::fromBits(bits));
        return {addressTextLok(r, words), highlightedLok(r)};
    }
    const MAResult r = decodeSwitchMA(MAPattern::fromBits(bits));
    return {addressTextMA(r, words), highlightedMA(r)};
}

unsigned patternOf(int kind, std::string_view text)
{
    if (kind == 0)
        return patternFromTextLokDelta(text).bits();
    if (kind == 1)
        return patternFromTextLok(text).bits();
    return patternFromTextMA(text).bits();
}

int keyVerdict(int kind, std::string_view text, int key)
{
    if (kind == 0)
        return filterDeltaSwitchKey(key);
    return filterPairedSwitchKey(text, key, kind == 1 ? lokSwitchPairs : maSwitchPairs);
}

std::string tableText(Decoder kind)
{
    std::string out;
    const CodingTable table = codingTable(kind, words);
    out += table.title + '\n' + table.note + '\n';
    for (const TableRow &row : table.rows) {
        for (const auto &cell : row.leading)
            out += cell + '\t';
        out += switchesOnText(row.onSwitches, table.switchCount, words);
        for (const auto &cell : row.trailing)
            out += '\t' + cell;
        out += '\t' + std::to_string(row.onSwitches) + (row.startsGroup ? "\tG" : "") + '\n';
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4)
        words = {argv[1], argv[2], argv[3]};
    const int switchCounts[] = {4, 8, 10};
    std::string out = "{\"patterns\":[";
    for (int kind = 0; kind < 3; ++kind) {
        out += kind ? ",[" : "[";
        for (unsigned bits = 0; bits < (1u << switchCounts[kind]); ++bits) {
            const Decoded d = decoded(kind, bits);
            out += (bits ? "," : "") + std::string("[") + hex(d.text) + ',' +
                   (d.highlighted ? "1" : "0") + ']';
        }
        out += ']';
    }

    std::vector<int> numbers;
    for (int n = 0; n <= 300; ++n)
        numbers.push_back(n);
    for (int n : {-32768, -32767, -32766, -300, -9, -5, -4, -3, -2, -1, 32765, 32766, 32767})
        numbers.push_back(n);
    out += "],\"encode\":[";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int n = numbers[i];
        out += (i ? "," : "") + std::string("[") + std::to_string(n) + ',' +
               hex(switchListLok(static_cast<std::int16_t>(n), words)) + ',' +
               hex(switchListMA(n, words)) +
               ']';
    }

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
    out += "],\"numbers\":[";
    for (std::size_t i = 0; i < numberTexts.size(); ++i)
        out += (i ? "," : "") + std::string("[") + hex(numberTexts[i]) + ',' +
               std::to_string(numberFromText(numberTexts[i])) + ']';

    const std::vector<std::string> switchTexts = {
        "", "0", "1", "12", "135", "08", "7531", "1 3", "a1", "9", "90", "2357 90", "1ä2",
        "abc", "12345678910", "44", "\xff" "3"};
    out += "],\"switchTexts\":[";
    for (std::size_t i = 0; i < switchTexts.size(); ++i) {
        out += (i ? "," : "") + std::string("[") + hex(switchTexts[i]);
        for (int kind = 0; kind < 3; ++kind)
            out += ',' + std::to_string(patternOf(kind, switchTexts[i]));
        out += ']';
    }

    const std::vector<std::string> boxTexts = {"", "1", "2", "13", "a", "9", "0", "90", "ü",
                                               "1357", ":", "/"};
    const std::vector<int> keys = {8,   13,  27,  ' ', '/', '0', '1', '2', '3', '4',
                                   '5', '6', '7', '8', '9', ':', 'a', 0xFC, 0x4E00, 0x1F600};
    out += "],\"keys\":[";
    bool first = true;
    for (const auto &text : boxTexts)
        for (const int key : keys)
            for (int kind = 0; kind < 3; ++kind) {
                out += (first ? "" : ",") + std::string("[") + std::to_string(kind) + ',' +
                       hex(text) + ',' + std::to_string(key) + ',' +
                       std::to_string(keyVerdict(kind, text, key)) + ']';
                first = false;
            }

    // Keys typed one by one into a switch-number box: each goes through the
    // key rule, and the box's length limit holds.
    const std::vector<std::pair<int, std::string>> typings = {
        {0, "2340"}, {0, "5a 1"}, {0, "01234"}, {0, "4321"}, {0, "9999"}, {0, "34"},
        {1, "1357"}, {1, "12"}, {1, "1111"}, {1, "a1"}, {1, "a1b"}, {1, " 13"},
        {1, "2468"}, {1, "135790"}, {1, "8642"}, {1, "7531"}, {1, "\xc3\xbc" "1"},
        {2, "235790"}, {2, "2a"}, {2, "a2357"}, {2, "90"}, {2, "0912"}, {2, "12"},
        {2, "1234567890"}, {2, ":9"}, {2, "/0"}, {2, "46819"}};
    const int maxLength[] = {4, 4, 6};
    out += "],\"typed\":[";
    for (std::size_t i = 0; i < typings.size(); ++i) {
        const auto &[kind, keys] = typings[i];
        std::string box;
        // One character at a time: a byte below 0x80, or a two-byte UTF-8
        // sequence, which is all the keys above use.
        for (std::size_t k = 0; k < keys.size();) {
            const unsigned char c = static_cast<unsigned char>(keys[k]);
            const std::size_t width = c < 0x80 ? 1 : 2;
            const int code = width == 1 ? c : ((c & 0x1F) << 6) | (keys[k + 1] & 0x3F);
            if (keyVerdict(kind, box, code) != 0 && static_cast<int>(box.size()) < maxLength[kind])
                box += keys.substr(k, width);
            k += width;
        }
        const Decoded d = decoded(kind, patternOf(kind, box));
        out += (i ? "," : "") + std::string("[") + std::to_string(kind) + ',' + hex(keys) + ',' +
               hex(box) + ',' + hex(d.text) + ',' + (d.highlighted ? "1" : "0") + ']';
    }

    out += "],\"deltaRows\":[";
    for (std::size_t i = 0; i < deltaAddressTable.size(); ++i)
        out += (i ? "," : "") + hex(deltaRowText(deltaAddressTable[i]));
    out += "],\"tables\":[" + hex(tableText(Decoder::Delta)) + ',' +
           hex(tableText(Decoder::Lok)) + ',' + hex(tableText(Decoder::MA)) + "]}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
