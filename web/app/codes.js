// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's one way into the decoder codes, the WebAssembly build of the
// C++ library behind src/web/binding.cpp, and the one reader of what the
// binding writes. Each function is one call into the WebAssembly. The page
// names a decoder by its library word ("Lok", "Delta", "MA"); the binding
// numbers them, and says how, here alone. Texts go in as UTF-8 through the
// binding's text room, which stays where it is until a longer text asks for
// a larger one; texts come back NUL-terminated.

const utf8In = new TextEncoder();
const utf8Out = new TextDecoder();

// A decode result (shownText in the binding): the highlight flag, then the
// text.
function readShown(text) {
  return { text: text.slice(1), highlighted: text[0] === '1' };
}

// A coding table's cells (codingTableText in the binding); its texts are
// the page's. The first line holds the switch count and the numbers of
// cells left and right of the switches, then one line a row: its switch
// bits, whether it starts a group, the switches ON as words, its cells left
// of the switches, then right of them. Fields apart by tabs.
function readCodingTable(text) {
  const [counts, ...rowLines] = text.split('\n');
  const [switchCount, leadingCount, trailingCount] = counts.split('\t').map(Number);
  return {
    switchCount,
    leadingCount,
    trailingCount,
    rows: rowLines.filter(Boolean).map((line) => {
      const [bits, startsGroup, onText, ...cells] = line.split('\t');
      return {
        bits: Number(bits),
        startsGroup: startsGroup === '1',
        onText,
        leading: cells.slice(0, leadingCount),
        trailing: cells.slice(leadingCount),
      };
    }),
  };
}

// A room that holds any box's usual text, made once.
const FIRST_ROOM = 64;

// The codes of a started module (the loader's answer). A text may be given
// as its bytes, which go in as they are.
export function connectCodes(module) {
  let room = { pointer: module._vm_text(FIRST_ROOM), size: FIRST_ROOM };
  const put = (text) => {
    const bytes = typeof text === 'string' ? utf8In.encode(text) : text;
    if (bytes.length > room.size) room = { pointer: module._vm_text(bytes.length), size: bytes.length };
    // Read after the room is made: a larger room may grow the memory, which
    // replaces HEAPU8.
    module.HEAPU8.set(bytes, room.pointer);
    return bytes.length;
  };
  const get = (pointer) => {
    const heap = module.HEAPU8;
    return utf8Out.decode(heap.subarray(pointer, heap.indexOf(0, pointer)));
  };
  // The decoders' words in the library's order; a decoder's number is its
  // place.
  const decoders = get(module._vm_decoders()).split('\t');
  const number = (word) => {
    const found = decoders.indexOf(word);
    if (found < 0) throw new Error(`the codes have no decoder ${word}`);
    return found;
  };
  return {
    decoders,
    decode: (word, bits) => readShown(get(module._vm_decode(number(word), bits))),
    decodeTyped: (word, text) => readShown(get(module._vm_decode_text(number(word), put(text)))),
    switchList: (word, text) => get(module._vm_switch_list(number(word), put(text))),
    keyAccepted: (word, text, character) =>
      module._vm_filter_key(number(word), put(text), character.codePointAt(0)) !== 0,
    deltaList: () => get(module._vm_delta_list()).split('\n'),
    codingTable: (word) => readCodingTable(get(module._vm_coding_table(number(word)))),
    // The invalid word, the analog word and the tables' no-switch word.
    setWords: (words) => module._vm_set_words(put(words.join('\t'))) === 1,
  };
}
