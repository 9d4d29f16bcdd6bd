// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The WebAssembly build against the native library, read through the
// page's own reader of the binding (web/app/codes.js): both loaders (the
// site's, with the .wasm beside it, and the one-file page's, with the .wasm
// inside) answer every input exactly as the native helper does.
// Usage: node wasm_test.mjs LOADER.js [WASM] -- NATIVE_HELPER

import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import assert from 'node:assert/strict';

const separator = process.argv.indexOf('--');
const [loaderPath, wasmPath] = process.argv.slice(2, separator);
const native = (...words) => JSON.parse(execFileSync(process.argv[separator + 1], words,
  { maxBuffer: 1 << 28, encoding: 'utf8' }));
const expected = native();

const bytes = (hexText) => Buffer.from(hexText, 'hex');
const text = (hexText) => bytes(hexText).toString('utf8');

// The loader and the page's modules are ES modules written for the web;
// node reads them as such through a data: URL. Without a file system the
// .wasm comes in through the loader's hook.
const importFile = (file) =>
  import('data:text/javascript;base64,' + readFileSync(file).toString('base64'));
const { default: createVelmarit } = await importFile(loaderPath);
const { connectCodes } = await importFile(new URL('../../web/app/codes.js', import.meta.url));
// locateFile keeps the loader from resolving the .wasm against its data: URL.
const options = { locateFile: (name) => name };
if (wasmPath) {
  options.instantiateWasm = (imports, done) => {
    WebAssembly.instantiate(readFileSync(wasmPath), imports)
      .then((result) => done(result.instance));
    return {};
  };
}
const codes = connectCodes(await createVelmarit(options));
const { decoders } = expected;

// Collects every disagreement, so one run names them all.
function compare(rows, check) {
  const wrong = [];
  for (const row of rows) {
    const problem = check(row);
    if (problem) wrong.push(problem);
  }
  assert.deepEqual(wrong.slice(0, 10), [], `${wrong.length} of ${rows.length} differ`);
}
const differ = (got, want, about) => (JSON.stringify(got) === JSON.stringify(want) ? null
  : { ...about, got, want });
const shown = ([hexText, highlighted]) => ({ text: text(hexText), highlighted: highlighted === 1 });

test('the codes name the library\'s decoders, in its order, and no other', () => {
  assert.deepEqual(codes.decoders, decoders);
  assert.throws(() => codes.decode('Weichen', 0), /no decoder Weichen/);
});

for (const word of decoders) {
  test(`every ${word} pattern decodes as natively, colours included`, () => {
    const rows = expected.patterns[word];
    assert.equal(rows.length, 1 << codes.codingTable(word).switchCount);
    compare(rows.map((row, bits) => [bits, row]), ([bits, row]) =>
      differ(codes.decode(word, bits), shown(row), { bits }));
  });
}

test('addresses 0 to 300, the 16-bit edges and the library\'s number texts give the native switches', () => {
  const typed = [...expected.encode.map(([number, lists]) => [String(number), lists]),
    ...expected.numbers.map(([hexText, lists]) => [bytes(hexText), lists])];
  compare(typed, ([input, lists]) => differ(decoders.map((word) => codes.switchList(word, input)),
    decoders.map((word) => text(lists[word])), { input: String(input).slice(0, 40) }));
});

test('switch-number texts give the native results', () => {
  compare(expected.switchTexts, ([hexText, patterns]) => differ(
    decoders.map((word) => codes.decodeTyped(word, bytes(hexText))),
    decoders.map((word) => shown(expected.patterns[word][patterns[word]])), { hexText }));
});

test('the key rule gives the native verdicts', () => {
  compare(expected.keys, ([word, hexText, key, verdict]) => differ(
    codes.keyAccepted(word, bytes(hexText), String.fromCodePoint(key)), verdict !== 0,
    { word, text: text(hexText), key }));
});

test('the Delta list and the coding tables have the native rows', () => {
  assert.deepEqual(codes.deltaList(), expected.deltaRows.map(text));
  for (const word of decoders) assert.deepEqual(codes.codingTable(word), expected.tables[word], word);
});

test('a text of many megabytes reads without harm, and a short one after it', () => {
  assert.equal(codes.switchList('MA', Buffer.alloc(24 << 20, '7')), 'ungültig');
  assert.equal(codes.switchList('MA', '12'), text(expected.encode[12][1].MA));
});

test('in the words a page sets, every result reads as the native library writes it', () => {
  const words = ['ongeldig', 'analoog', 'geen (alle OFF)'];
  const dutch = native(...words);
  // Anything but three words keeps the words the page had.
  for (const wrong of [[''], ['a', 'b'], ['a', 'b', 'c', 'd']]) assert.equal(codes.setWords(wrong), false);
  assert.equal(codes.setWords(words), true);
  for (const word of decoders) {
    compare(dutch.patterns[word].map((row, bits) => [bits, row]), ([bits, row]) =>
      differ(codes.decode(word, bits), shown(row), { word, bits }));
    assert.deepEqual(codes.codingTable(word), dutch.tables[word], word);
  }
  compare(dutch.encode, ([number, lists]) => differ(
    decoders.map((word) => codes.switchList(word, String(number))),
    decoders.map((word) => text(lists[word])), { number }));
  assert.equal(codes.codingTable('Delta').rows.at(-1).onText, 'geen (alle OFF)');
  codes.setWords(['ungültig', 'analog', 'keiner (alle OFF)']);
});
