// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-file page, opened from disk (file://) and put on a host, computes
// like the site, with no service worker, no request beyond itself and no
// complaint of its content policy, in each language. Usage:
// node onefile_test.mjs --onefile FILE --expected HELPER [--lang LANG]

import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { serve } from './server.mjs';
import {
  colours, hexText, launch, nativeAnswers, onefileOf, options, panelOf, panels, phone, ready, showPanel,
  shown, tapped, watch,
} from './support.mjs';

const opts = options();
const native = nativeAnswers(opts.expected, opts.lang);

const file = onefileOf(opts.onefile, opts.lang);
for (const where of ['from disk', 'from a host']) test(`the one-file page ${where} computes the native results`, async () => {
  const browser = await launch();
  const server = where === 'from a host' ? await serve(path.dirname(file)) : null;
  try {
    const page = await (await browser.newContext(phone)).newPage();
    const seen = watch(page);
    const url = server ? `http://127.0.0.1:${server.address().port}/${path.basename(file)}`
      : pathToFileURL(file).href;
    await page.goto(url);
    await ready(page);

    // Switches 2, 3, 5, 7 and 9 of each panel that has them, then an address.
    for (const panel of panels) {
      const on = [2, 3, 5, 7, 9].filter((sw) => sw <= panel.count);
      await showPanel(page, `${panel.switches}1`);
      for (const sw of on) {
        const id = `${panel.switches}${sw}`;
        assert.ok(await tapped(page, id, () => page.tap(`#${id}`)), id);
      }
      const bits = on.reduce((sum, sw) => sum + (1 << (sw - 1)), 0);
      const [text, highlighted] = native.patterns[panel.decoder][bits];
      assert.deepEqual(await shown(page, panel.fromTicked),
        { text: hexText(text), ...(highlighted ? colours.highlight : colours.normal) });
    }
    const turnouts = panelOf('MA');
    await showPanel(page, turnouts.address);
    await page.fill(`#${turnouts.address}`, '9');
    const [, nine] = native.encode.find(([n]) => n === 9);
    assert.equal(await page.textContent(`#${turnouts.switchList}`), hexText(nine.MA));
    assert.equal(await page.$$eval('#lstDelta > li', (items) => items.length), 15);
    assert.equal(await page.getAttribute('html', 'lang'), opts.lang);

    assert.deepEqual(await page.evaluate(async () => [navigator.serviceWorker?.controller ?? null,
      // From disk there is no origin to register for.
      (await navigator.serviceWorker?.getRegistrations().catch(() => []))?.length ?? 0]), [null, 0]);
    assert.equal(await page.$('link[rel="manifest"]'), null);
    assert.deepEqual(seen.requests.filter((r) => r !== url && !r.startsWith('data:')), []);
    assert.deepEqual(seen.problems, []);
  } finally {
    await browser.close();
    server?.close();
  }
});
