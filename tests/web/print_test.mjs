// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing: the print style sheet puts the three coding tables on A4, with
// their headings on every page and no row cut in two, and the PDF's text
// reads each row as the native table has it: the address (and the other
// cells) followed by the switch numbers apart; no page holds a lone row.
// Usage:
// node print_test.mjs --site DIR --expected HELPER

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { serve } from './server.mjs';
import {
  launch, nativeAnswers, options, panelOf, ready, scratchFolder, texts,
} from './support.mjs';

const opts = options();
const native = nativeAnswers(opts.expected);

test('the printed tables read row by row as the native tables', async () => {
  const server = await serve(opts.site);
  const browser = await launch();
  const folder = scratchFolder('print');
  try {
    const page = await (await browser.newContext()).newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await ready(page);
    // Nobody has scrolled to the tables: printing builds them.
    await page.emulateMedia({ media: 'print' });
    await page.waitForSelector('#tabellen[data-ready]', { state: 'attached' });
    assert.equal(await page.isVisible('#pnlDigital'), false);
    const pdf = path.join(folder, 'tabellen.pdf');
    writeFileSync(pdf, await page.pdf({ format: 'A4', preferCSSPageSize: true }));

    const pages = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' }).split('\f');
    const text = pages.join('\n');
    const lines = text.split('\n').map((line) => line.trim().replace(/\s{2,}/g, '  '));

    // Native rows, in the library's order of the tables: cells left of the
    // switches, the switch numbers, cells right of them; on paper the cells
    // stand two or more blanks apart.
    let at = 0;
    for (const decoder of native.decoders) {
      const { rows } = native.tables[decoder];
      const { title } = texts(opts.root).library.tables[panelOf(decoder).name];
      at = lines.indexOf(title, at);
      assert.ok(at >= 0, `title ${title}`);
      for (const row of rows) {
        const wanted = [...row.leading, row.onText, ...row.trailing].join('  ');
        const found = lines.indexOf(wanted, at);
        assert.ok(found > at, `${decoder}: row "${wanted}" in order`);
        at = found;
      }
    }

    // The heading row starts every page of a table.
    for (const [number, pageText] of pages.entries()) {
      if (!pageText.trim()) continue;
      const first = pageText.split('\n').map((l) => l.trim()).filter(Boolean).slice(0, 4).join(' | ');
      assert.match(first, /Adresse|Weiche/, `page ${number + 1} starts with its heading row: ${first}`);
    }
    // No page holds a lone row (the end of a table left over).
    const rowCounts = pages.map((pageText) => pageText.split('\n')
      .filter((line) => /^\s*(\d+|analog)\s{2,}\S/.test(line)).length).filter((count) => count > 0);
    assert.ok(rowCounts.every((count) => count > 1), `rows on each page: ${rowCounts.join(', ')}`);
    if (process.env.VELMARIT_SHOW_ROWS) console.log(rowCounts.join(' '));
    const size = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }).match(/Page size:\s+([\d.]+) x ([\d.]+)/);
    assert.deepEqual([Math.round(size[1]), Math.round(size[2])], [595, 842]);
  } finally {
    await browser.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
  }
});
