// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Offline and installable: after one visit the service worker has the whole
// site, so with the server stopped a reload and a new tab still compute;
// Chromium finds nothing that keeps the site from being installed.
// Usage: node offline_test.mjs --site DIR

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { serve } from './server.mjs';
import {
  colours, controlled, launchPersistent, options, ready, scratchFolder, shown, watch,
} from './support.mjs';

const opts = options();

test('with the server stopped, a reload and a new tab still work', async () => {
  const folder = scratchFolder('offline');
  const server = await serve(opts.site);
  const { port } = server.address();
  const url = `http://127.0.0.1:${port}/`;
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

    // A new version on the same address: its worker takes over and its
    // cache replaces the old one.
    const newer = path.join(folder, 'newer');
    cpSync(opts.site, newer, { recursive: true });
    const worker = path.join(newer, 'sw.js');
    const newName = 'velmarit-9.9.9-0123456789abcdef';
    writeFileSync(worker, readFileSync(worker, 'utf8').replace(cacheNames[0], newName));
    const newServer = await serve(newer, port);
    try {
      await second.evaluate(async () => {
        const registration = await navigator.serviceWorker.ready;
        const changed = new Promise((resolve) => {
          navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
        });
        await registration.update();
        await changed;
      });
      // The old cache goes in the new worker's activation, just after it
      // takes over; a few tries allow for that.
      const names = await second.evaluate(async (name) => {
        for (let i = 0; i < 50; i += 1) {
          const now = await caches.keys();
          if (now.length === 1 && now[0] === name) return now;
          await new Promise((resolve) => setTimeout(resolve, 100));
        }
        return caches.keys();
      }, newName);
      assert.deepEqual(names, [newName]);
    } finally {
      newServer.close();
    }
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
