// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The WebAssembly build against the native library: both loaders (the
// site's, with the .wasm beside it, and the one-file page's, with the .wasm
// inside) answer every input exactly as the native helper does.
// Usage: node wasm_test.mjs LOADER.js [WASM] -- NATIVE_HELPER

import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import assert from 'node:assert/strict';

const separator = process.argv.indexOf('--');
const [loaderPath, wasmPath] = process.argv.slice(2, separator);
const expected = JSON.parse(execFileSync(process.argv[separator + 1],
  { maxBuffer: 1 << 28, encoding: 'utf8' }));

const bytes = (hexText) => Buffer.from(hexText, 'hex');
const text = (hexText) => bytes(hexText).toString('utf8');

// The loader is an ES module written for the web; node reads it as one
// through a data: URL. Without a file system the .wasm comes in through the
// loader's hook.
const source = readFileSync(loaderPath, 'utf8');
const { default: createVelmarit } =
  await import('data:text/javascript;base64,' + Buffer.from(source).toString('base64'));
// locateFile keeps the loader from resolving the .wasm against its data: URL.
const options = { locateFile: (name) => name };
if (wasmPath) {
  options.instantiateWasm = (imports, done) => {
    WebAssembly.instantiate(readFileSync(wasmPath), imports)
      .then((result) => done(result.instance));
    return {};
  };
}
const codes = await createVelmarit(options);

function putBytes(data) {
  // The buffer may grow the memory, which replaces HEAPU8: ask first.
  const pointer = codes._vm_text(data.length);
  codes.HEAPU8.set(data, pointer);
}
function getText(pointer) {
  let end = pointer;
  while (codes.HEAPU8[end] !== 0) end += 1;
  return Buffer.from(codes.HEAPU8.subarray(pointer, end)).toString('utf8');
}

// Collects every disagreement, so one run names them all.
function compare(rows, check) {
  const wrong = [];
  for (const row of rows) {
    const problem = check(row);
    if (problem) wrong.push(problem);
  }
  assert.deepEqual(wrong.slice(0, 10), [], `${wrong.length} of ${rows.length} differ`);
}

const kinds = ['Delta', 'Lok', 'Weichen'];

for (const [kind, name] of kinds.entries()) {
  test(`every ${name} pattern decodes as natively, colours included`, () => {
    const rows = expected.patterns[kind].map((row, bits) => [bits, ...row]);
    assert.equal(rows.length, 1 << [4, 8, 10][kind]);
    compare(rows, ([bits, hexText, highlighted]) => {
      const got = [getText(codes._vm_address_text(kind, bits)), codes._vm_highlighted(kind, bits)];
      const want = [text(hexText), highlighted];
      return got[0] === want[0] && got[1] === want[1] ? null : { bits, got, want };
    });
  });
}

test('addresses 0 to 300 and the 16-bit edges encode as natively in both encoders', () => {
  compare(expected.encode, ([number, lok, weichen]) => {
    const got = [getText(codes._vm_switch_list(1, number)), getText(codes._vm_switch_list(2, number))];
    const want = [text(lok), text(weichen)];
    return got[0] === want[0] && got[1] === want[1] ? null : { number, got, want };
  });
});

test('the number texts of the library\'s tests read as natively, bytes as they are', () => {
  compare(expected.numbers, ([hexText, number]) => {
    putBytes(bytes(hexText));
    const got = codes._vm_number_from_text();
    return got === number ? null : { text: hexText.slice(0, 40), got, want: number };
  });
});

test('switch-number texts give the native patterns', () => {
  compare(expected.switchTexts, ([hexText, ...patterns]) => {
    putBytes(bytes(hexText));
    const got = kinds.map((_, kind) => codes._vm_pattern_from_text(kind));
    return got.every((bits, kind) => bits === patterns[kind]) ? null : { hexText, got, patterns };
  });
});

test('the key rule gives the native verdicts', () => {
  compare(expected.keys, ([kind, hexText, key, verdict]) => {
    putBytes(bytes(hexText));
    const got = codes._vm_filter_key(kind, key);
    return got === verdict ? null : { kind, text: text(hexText), key, got, verdict };
  });
});

test('the Delta list has the native rows', () => {
  const rows = [];
  for (let i = 0; i < codes._vm_delta_row_count(); i += 1) rows.push(getText(codes._vm_delta_row(i)));
  assert.deepEqual(rows, expected.deltaRows.map(text));
  assert.equal(getText(codes._vm_delta_row(15)), '');
  assert.equal(getText(codes._vm_delta_row(-1)), '');
});

test('the coding tables have the native rows', () => {
  for (const [kind, hexText] of expected.tables.entries()) {
    const lines = getText(codes._vm_coding_table(kind)).split('\n');
    const leading = lines[3] ? lines[3].split('\t').length : 0;
    let got = lines[0] + '\n' + lines[1] + '\n';
    for (const line of lines.slice(5).filter(Boolean)) {
      const [bits, group, onText, ...cells] = line.split('\t');
      got += [...cells.slice(0, leading), onText, ...cells.slice(leading), bits].join('\t') +
        (group === '1' ? '\tG' : '') + '\n';
    }
    assert.equal(got, text(hexText), kinds[kind]);
  }
});

test('a text of many megabytes reads without harm', () => {
  putBytes(Buffer.alloc(24 << 20, '7'));
  assert.equal(codes._vm_number_from_text(), 32767);
  assert.equal(getText(codes._vm_switch_list(2, codes._vm_number_from_text())), 'ungültig');
  putBytes(Buffer.from('12'));
  assert.equal(codes._vm_number_from_text(), 12);
});

test('in the words a page sets, every result reads as the native library writes it', () => {
  const words = ['ongeldig', 'analoog', 'geen (alle OFF)'];
  const native = JSON.parse(execFileSync(process.argv[separator + 1], words,
    { maxBuffer: 1 << 28, encoding: 'utf8' }));
  // Anything but three words keeps the words the page had.
  for (const wrong of ['', 'a\tb', 'a\tb\tc\td']) {
    putBytes(Buffer.from(wrong));
    assert.equal(codes._vm_set_words(), 0);
  }
  putBytes(Buffer.from(words.join('\t')));
  assert.equal(codes._vm_set_words(), 1);
  for (const [kind] of kinds.entries()) {
    compare(native.patterns[kind].map((row, bits) => [bits, row[0]]), ([bits, hexText]) => {
      const got = getText(codes._vm_address_text(kind, bits));
      return got === text(hexText) ? null : { kind, bits, got };
    });
  }
  compare(native.encode, ([number, lok, weichen]) => {
    const got = [getText(codes._vm_switch_list(1, number)), getText(codes._vm_switch_list(2, number))];
    return got[0] === text(lok) && got[1] === text(weichen) ? null : { number, got };
  });
  const delta = getText(codes._vm_coding_table(0)).split('\n').filter(Boolean).at(-1).split('\t');
  assert.deepEqual([delta[2], delta[3]], ['geen (alle OFF)', 'analoog']);
  putBytes(Buffer.from(['ungültig', 'analog', 'keiner (alle OFF)'].join('\t')));
  codes._vm_set_words();
});
