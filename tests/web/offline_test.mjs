// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Offline and installable: after one visit the service worker has the whole
// site, so with the server stopped a reload and a new tab still compute;
// Chromium finds nothing that keeps the site from being installed.
// Usage: node offline_test.mjs --site DIR

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { serve } from './server.mjs';
import { colours, launchPersistent, options, ready, scratchFolder, shown, watch } from './support.mjs';

const opts = options();

async function controlled(page) {
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => {
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
      });
    }
  });
}

test('with the server stopped, a reload and a new tab still work', async () => {
  const folder = scratchFolder('offline');
  const server = await serve(opts.site);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const context = await launchPersistent(folder);
  try {
    const page = context.pages()[0] ?? await context.newPage();
    const seen = watch(page);
    await page.goto(url);
    await ready(page);
    await controlled(page);
    const cacheNames = await page.evaluate(() => caches.keys());
    assert.equal(cacheNames.length, 1);
    assert.match(cacheNames[0], /^velmarit-\d+\.\d+\.\d+-[0-9a-f]{16}$/);

    await new Promise((resolve) => server.close(resolve));
    server.closeAllConnections?.();
    await assert.rejects(page.request.get(url), 'the server is gone');
    await page.reload();
    await ready(page);
    await page.tap('#chkSwitchLok1');
    assert.deepEqual(await shown(page, 'lblAnzeigeLok'), { text: '78', ...colours.normal });

    const second = await context.newPage();
    await second.goto(url);
    await ready(second);
    await second.fill('#txtWeichen', '256');
    assert.equal(await second.textContent('#lblWeichen'), ' 2 3 6');
    assert.deepEqual(seen.problems, []);
  } finally {
    await context.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
  }
});

test('Chromium reports no installability errors', async () => {
  const folder = scratchFolder('install');
  const server = await serve(opts.site);
  const context = await launchPersistent(folder);
  try {
    const page = context.pages()[0] ?? await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await ready(page);
    await controlled(page);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifest = await (await page.request.get(new URL('manifest.webmanifest', page.url()).href)).json();
    assert.equal(manifest.name, 'Velmarit');
    assert.equal(manifest.lang, 'de');
    assert.equal(manifest.display, 'standalone');
    assert.deepEqual(manifest.icons.map((icon) => icon.sizes).sort(), ['192x192', '512x512']);
    assert.ok(manifest.icons.some((icon) => icon.purpose.split(' ').includes('maskable')));
  } finally {
    await context.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
  }
});
