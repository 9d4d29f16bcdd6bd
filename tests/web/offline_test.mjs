// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Offline and installable: after one visit the service worker has the whole
// site, so with the server stopped a reload and a new tab still compute;
// Chromium finds nothing that keeps the site from being installed, in the
// page's language. Usage: node offline_test.mjs --site DIR [--lang LANG]

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { serve } from './server.mjs';
import { inflateSync } from 'node:zlib';
import {
  barFragments, colours, controlled, folder, launchPersistent, options, ready, scratchFolder, showPanel,
  shown, tapped, texts, watch,
} from './support.mjs';

const opts = options();

test('with the server stopped, a reload and a new tab still work', async () => {
  const scratch = scratchFolder('offline');
  const server = await serve(opts.site);
  const { port } = server.address();
  const url = `http://127.0.0.1:${port}/${folder(opts.lang)}`;
  const context = await launchPersistent(scratch);
  try {
    const page = context.pages()[0] ?? await context.newPage();
    const seen = watch(page);
    await page.goto(url);
    await ready(page);
    await controlled(page);
    const cacheNames = await page.evaluate(() => caches.keys());
    assert.equal(cacheNames.length, 1);
    assert.match(cacheNames[0], /^velmarit-\d+\.\d+\.\d+-[0-9a-f]{16}$/);

    // Another language, shown once while online, is kept as well.
    const other = opts.languages.find((lang) => lang !== opts.lang);
    const otherUrl = `http://127.0.0.1:${port}/${folder(other)}`;
    const visit = await context.newPage();
    await visit.goto(otherUrl);
    await ready(visit);
    await visit.close();

    await new Promise((resolve) => server.close(resolve));
    server.closeAllConnections?.();
    await assert.rejects(page.request.get(url), 'the server is gone');
    await page.reload();
    await ready(page);
    assert.equal(await page.getAttribute('html', 'lang'), opts.lang);
    await showPanel(page, 'chkSwitchLok1');
    assert.ok(await tapped(page, 'chkSwitchLok1', () => page.tap('#chkSwitchLok1')));
    assert.deepEqual(await shown(page, 'lblAnzeigeLok'), { text: '78', ...colours.normal });

    const second = await context.newPage();
    // Any address of the language's folder is its page, offline too.
    await second.goto(`${url}index.html#weichen`);
    await ready(second);
    assert.equal(await second.getAttribute('html', 'lang'), opts.lang);
    await showPanel(second, 'txtWeichen');
    await second.fill('#txtWeichen', '256');
    assert.equal(await second.textContent('#lblWeichen'), ' 2 3 6');
    await second.goto(otherUrl);
    await ready(second);
    assert.equal(await second.getAttribute('html', 'lang'), other);
    assert.deepEqual(seen.problems, []);

    // A new version on the same address: its worker takes over and its
    // cache replaces the old one.
    const newer = path.join(scratch, 'newer');
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
    rmSync(scratch, { recursive: true, force: true });
  }
});

// Addresses beside the pages, once the worker runs: a language's folder
// without its slash is that language's page, as the host sends it on; a
// folder the host lists stays the host's listing and never becomes a page,
// and offline the worker answers for its own pages alone.
test('beside the pages: a folder without its slash, a listing; offline, nothing but the pages', async () => {
  const scratch = scratchFolder('addresses');
  const server = await serve(opts.site);
  const origin = `http://127.0.0.1:${server.address().port}/`;
  const context = await launchPersistent(scratch);
  try {
    const page = context.pages()[0] ?? await context.newPage();
    await page.goto(origin + folder(opts.lang));
    await ready(page);
    await controlled(page);
    // Where a navigation ends, and the page's language (a listing: its title).
    const shows = async (address) => {
      await page.goto(origin + address);
      return page.evaluate(() => [location.pathname, document.documentElement.lang || document.title]);
    };
    const other = opts.languages.find((lang) => lang !== opts.root && lang !== opts.lang);
    const cases = [['icons/', ['/icons/', 'Index']], ['', ['/', opts.root]], [other, [`/${other}/`, other]]];
    const seen = [];
    for (const [address] of cases) seen.push([address, await shows(address)]);
    await new Promise((resolve) => server.close(resolve));
    server.closeAllConnections?.();
    seen.push(['offline', await shows('')]);
    assert.deepEqual(seen, [...cases, ['offline', ['/', opts.root]]]);
    await assert.rejects(page.goto(`${origin}icons/`), /net::ERR_/, 'offline, the listing');
  } finally {
    await context.close();
    server.close();
    rmSync(scratch, { recursive: true, force: true });
  }
});

// The pixels of a PNG as the build writes them: 8-bit RGBA, no filter.
function pixels(png) {
  const width = png.readUInt32BE(16);
  const height = png.readUInt32BE(20);
  const chunks = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    if (png.toString('latin1', at + 4, at + 8) === 'IDAT') chunks.push(png.subarray(at + 8, at + 8 + length));
    at += length + 12;
  }
  return { width, height, depth: png[24], type: png[25], raw: inflateSync(Buffer.concat(chunks)) };
}

test('Chromium reports no installability errors; the manifest and icons are an app\'s', async () => {
  const scratch = scratchFolder('install');
  const server = await serve(opts.site);
  const context = await launchPersistent(scratch);
  try {
    const page = context.pages()[0] ?? await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/${folder(opts.lang)}`);
    await ready(page);
    await controlled(page);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifestUrl = new URL('manifest.webmanifest', page.url());
    const manifest = await (await page.request.get(manifestUrl.href)).json();
    const get = async (src) => Buffer.from(await (await page.request.get(new URL(src, manifestUrl).href)).body());
    assert.equal(manifest.name, 'Velmarit');
    assert.equal(manifest.lang, opts.lang);
    assert.equal(manifest.display, 'standalone');
    assert.equal(new URL(manifest.id, manifestUrl).href, page.url());
    // Tablets are held both ways.
    assert.equal(manifest.orientation, undefined);
    assert.deepEqual(manifest.icons.map((icon) => `${icon.sizes} ${icon.purpose}`).sort(),
      ['192x192 any', '192x192 maskable', '512x512 any', '512x512 maskable']);
    for (const icon of manifest.icons) {
      const { width, height } = pixels(await get(icon.src));
      assert.equal(`${width}x${height}`, icon.sizes, icon.src);
    }
    // Screenshots of the real page, narrow and wide, of the size they say.
    assert.deepEqual(manifest.screenshots.map((shot) => shot.form_factor), ['narrow', 'wide']);
    for (const shot of manifest.screenshots) {
      const { width, height } = pixels(await get(shot.src));
      assert.equal(`${width}x${height}`, shot.sizes, shot.src);
    }
    const own = texts(opts.lang);
    assert.deepEqual(manifest.shortcuts.map((shortcut) => [shortcut.name, new URL(shortcut.url, manifestUrl).hash]),
      barFragments.map((fragment) => [own.manifest.shortcuts[fragment], `#${fragment}`]));
    // iOS fills the transparent corners of a home-screen icon with black.
    const touch = pixels(await get(await page.getAttribute('link[rel="apple-touch-icon"]', 'href')));
    assert.deepEqual([touch.width, touch.height, touch.type], [180, 180, 6]);
    const stride = 180 * 4 + 1;
    const transparent = [];
    for (let y = 0; y < 180; y += 1) {
      for (let x = 0; x < 180; x += 1) {
        if (touch.raw[y * stride + 1 + x * 4 + 3] !== 255) transparent.push([x, y]);
      }
    }
    assert.deepEqual(transparent.slice(0, 3), []);
  } finally {
    await context.close();
    server.close();
    rmSync(scratch, { recursive: true, force: true });
  }
});
