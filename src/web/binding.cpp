// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's only way into the decoder codes: plain C functions on numbers
// and on UTF-8 text in the module's memory, each exported where it is
// written (EMSCRIPTEN_KEEPALIVE). Plain exports keep the WebAssembly and its
// loader small; nothing here decides a result itself, and each of the
// page's answers is one call. web/app/codes.js is the one reader of what
// these functions write.
//
// A decoder is named by its place in allDecoders; vm_decoders tells the
// page each place's word. Texts go in through one room (vm_text), which
// stays where it is until the page asks for a larger one, and a function
// that reads a text is told its length in bytes. Texts come out as pointers
// to one NUL-terminated result, valid until the next call that returns text.

#include "codes/decoder.h"
#include "codes/decodercodes.h"
#include "codes/deltacode.h"
#include "tables/codingtable.h"

#include <emscripten/emscripten.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace velmarit;

std::string g_text;
std::string g_result;

// The words of the page's language; German until the page sets its own.
std::array<std::string, 3> g_wordTexts;
ResultWords g_words = germanWords;

const char *result(std::string text)
{
    g_result = std::move(text);
    return g_result.c_str();
}

// The first `length` bytes of the room.
std::string_view text(int length)
{
    return std::string_view(g_text).substr(0, length > 0 ? static_cast<std::size_t>(length) : 0u);
}

std::optional<Decoder> decoderAt(int number)
{
    if (number < 0 || number >= static_cast<int>(allDecoders.size()))
        return std::nullopt;
    return allDecoders[static_cast<std::size_t>(number)];
}

// A decode result as the page reads it: the highlight flag ('1' or '0'),
// then the text.
const char *shownText(const ShownResult &shown)
{
    return result((shown.highlighted ? "1" : "0") + shown.text);
}

// A coding table's cells as the page reads them; its title, note and
// headings are the page's own texts. One line a record, fields apart by
// tabs. The first line: the switch count, the number of cells left of the
// switches and right of them; then one line a row: its switch bits (bit n-1
// is switch n), "1" when it starts a group or else "0", the switches ON as
// words, its cells left of the switches, then those right of them.
std::string codingTableText(Decoder decoder)
{
    const CodingTable table = tableRows(decoder, g_words);
    std::string out = std::to_string(table.switchCount) + '\t' +
                      std::to_string(table.leading.size()) + '\t' +
                      std::to_string(table.trailing.size()) + '\n';
    for (const TableRow &row : table.rows) {
        out += std::to_string(row.onSwitches) + '\t' + (row.startsGroup ? "1" : "0") + '\t' +
               switchesOnText(table, row);
        for (const std::string &cell : row.leading)
            out += '\t' + cell;
        for (const std::string &cell : row.trailing)
            out += '\t' + cell;
        out += '\n';
    }
    return out;
}

} // namespace

extern "C" {

// A room for a text of `length` bytes, which the page writes there; it
// stays where it is until a larger one is asked for.
EMSCRIPTEN_KEEPALIVE char *vm_text(int length)
{
    if (length > static_cast<int>(g_text.size()))
        g_text.resize(static_cast<std::size_t>(length));
    return g_text.data();
}

// The decoders' words in the order of allDecoders, apart by tabs.
EMSCRIPTEN_KEEPALIVE const char *vm_decoders()
{
    std::string words;
    for (const Decoder decoder : allDecoders)
        words += (words.empty() ? "" : "\t") + std::string(decoderWord(decoder));
    return result(words);
}

// The page's words, the room's first `length` bytes: the invalid word, the
// analog word and the tables' no-switch word, apart by tabs. Returns 0, and
// keeps the words it had, unless there are exactly three.
EMSCRIPTEN_KEEPALIVE int vm_set_words(int length)
{
    const std::string_view words = text(length);
    const std::size_t first = words.find('\t');
    const std::size_t second = words.find('\t', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos ||
        words.find('\t', second + 1) != std::string_view::npos)
        return 0;
    g_wordTexts = {std::string(words.substr(0, first)),
                   std::string(words.substr(first + 1, second - first - 1)),
                   std::string(words.substr(second + 1))};
    g_words = {g_wordTexts[0], g_wordTexts[1], g_wordTexts[2]};
    return 1;
}

// The decode result of the pattern `bits` (bit n-1 is switch n).
EMSCRIPTEN_KEEPALIVE const char *vm_decode(int decoder, unsigned bits)
{
    const auto kind = decoderAt(decoder);
    return kind ? shownText(decodedResult(*kind, bits, g_words)) : result({});
}

// The decode result of the switch numbers typed, the room's first `length`
// bytes.
EMSCRIPTEN_KEEPALIVE const char *vm_decode_text(int decoder, int length)
{
    const auto kind = decoderAt(decoder);
    return kind ? shownText(decodedResult(*kind, patternFromText(*kind, text(length)), g_words))
                : result({});
}

// The switches ON for the address typed, the room's first `length` bytes.
EMSCRIPTEN_KEEPALIVE const char *vm_switch_list(int decoder, int length)
{
    const auto kind = decoderAt(decoder);
    return result(kind ? switchListFromText(*kind, text(length), g_words) : std::string());
}

// The switch-number box's verdict on a typed character (its code point; 8
// is Backspace) with the box's whole text, the room's first `length` bytes:
// the code to let it through, 0 to refuse it.
EMSCRIPTEN_KEEPALIVE int vm_filter_key(int decoder, int length, int keyAscii)
{
    const auto kind = decoderAt(decoder);
    return kind ? filterSwitchKey(*kind, text(length), keyAscii) : 0;
}

// The Delta decoder's list: its rows apart by line feeds.
EMSCRIPTEN_KEEPALIVE const char *vm_delta_list()
{
    std::string rows;
    for (const DeltaRow &row : deltaAddressTable)
        rows += (rows.empty() ? "" : "\n") + deltaRowText(row);
    return result(rows);
}

EMSCRIPTEN_KEEPALIVE const char *vm_coding_table(int decoder)
{
    const auto kind = decoderAt(decoder);
    return result(kind ? codingTableText(*kind) : std::string());
}

} // extern "C"
