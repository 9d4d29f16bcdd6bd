// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// axe-core finds no violation of WCAG 2.2 A and AA, in every state a page
// can show: at the start, with results in both colours, with the
// information dialog open, and with the coding tables built; on a phone,
// with each decoder chosen in turn, and on a wide screen with all three.
// Usage: node axe_test.mjs --site DIR [--lang LANG]

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { serve } from './server.mjs';
import {
  eventually, folder, launch, openTables, options, panels, phone, ready, showPanel, tapped,
} from './support.mjs';

const opts = options();
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa'];

let server;
let browser;
let page;
let url;

// The page's policy would refuse the injected checker.
async function open(device) {
  const opened = await (await browser.newContext({ ...device, bypassCSP: true })).newPage();
  await opened.goto(url);
  await ready(opened);
  await opened.addScriptTag({ path: axePath });
  return opened;
}

before(async () => {
  server = await serve(opts.site);
  url = `http://127.0.0.1:${server.address().port}/${folder(opts.lang)}`;
  browser = await launch();
  page = await (await browser.newContext({ ...phone, bypassCSP: true })).newPage();
  await page.goto(url);
  await ready(page);
  // The tables are built when they come near the screen.
  await openTables(page);
  await page.addScriptTag({ path: axePath });
});

after(async () => {
  await browser?.close();
  server?.close();
});

async function violations(on = page) {
  const result = await on.evaluate((runOnly) => window.axe.run(document, {
    runOnly: { type: 'tag', values: runOnly },
  }), tags);
  return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('the page at the start', async () => {
  assert.deepEqual(await violations(), []);
});

test('results in the normal and the highlight colours, each decoder chosen in turn', async () => {
  await showPanel(page, 'chkSwitchLok1');
  assert.ok(await tapped(page, 'chkSwitchLok1', () => page.tap('#chkSwitchLok1')));
  await page.fill('#txtSwitchLok', '12');
  await page.fill('#txtDigital', '17');
  assert.deepEqual(await violations(), []);
  await showPanel(page, 'chkSwitchMA1');
  assert.ok(await tapped(page, 'chkSwitchMA1', () => page.tap('#chkSwitchMA1')));
  await page.fill('#txtSwitchMA', '2357');
  await page.fill('#txtWeichen', '300');
  assert.deepEqual(await violations(), []);
  await showPanel(page, 'chkSwitchLokDelta1');
  assert.ok(await tapped(page, 'chkSwitchLokDelta1', () => page.tap('#chkSwitchLokDelta1')));
  assert.deepEqual(await violations(), []);
});

test('a wide screen with all three decoders', async () => {
  const wide = await open({ viewport: { width: 1280, height: 800 } });
  assert.deepEqual(await violations(wide), []);
  await wide.context().close();
});

test('the information dialog open', async () => {
  await page.tap('#cmdInfo');
  await page.waitForSelector('#dlgInfo[open]');
  assert.deepEqual(await violations(), []);
  await page.keyboard.press('Escape');
  await eventually(() => page.$eval('#dlgInfo', (dialog) => dialog.open), false);
});

test('every control is reached with the keyboard alone, in the window\'s order', async () => {
  const wide = await open({ viewport: { width: 1280, height: 800 } });
  // Panel by panel: the typed box, the switches, the address box.
  const expected = panels.flatMap((panel) => [panel.typed,
    ...Array.from({ length: panel.count }, (_, i) => `${panel.switches}${i + 1}`),
    ...(panel.address ? [panel.address] : [])]);
  await wide.focus(`#${expected[0]}`);
  const order = [expected[0]];
  while (order.length < expected.length) {
    await wide.keyboard.press('Tab');
    order.push(await wide.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(order, expected);
  await wide.focus('#chkSwitchLok3');
  assert.ok(await tapped(wide, 'chkSwitchLok3', () => wide.keyboard.press('Space')));
  await wide.context().close();
});
