// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A new release behind a host that lets browsers keep every file for ten
// minutes (Cache-Control: max-age=600): after two reloads a few seconds
// apart the page is the new release, offline too; every load runs a loader
// with its own release's WebAssembly; a page that stays open offers to
// reload and never reloads by itself. Chromium looks for a new service
// worker a moment after a navigation, not at once, so the tests wait for
// the page's notice as a person would, not a fixed time.
// Usage: node release_test.mjs --site DIR

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { cpSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { serve } from './server.mjs';
import {
  controlled, launchPersistent, options, ready, scratchFolder, showPanel, texts,
} from './support.mjs';

const opts = options();
const hash16 = (bytes) => createHash('sha256').update(bytes).digest('hex').slice(0, 16);
const NOTICE = '#newRelease button';
const NOTICE_TEXT = texts(opts.root).messages.update;
const LABEL = /(id="lblRelease"[^>]*>)([^<]*)</;

// A release as the tests tell it apart: its label on screen, loader,
// WebAssembly and cache name.
function release(folder) {
  const wasm = readdirSync(folder).find((name) => name.endsWith('.wasm'));
  const worker = readFileSync(path.join(folder, 'sw.js'), 'utf8');
  return {
    folder,
    wasm,
    loader: readFileSync(path.join(folder, 'velmarit.js')),
    module: readFileSync(path.join(folder, wasm)),
    cache: worker.match(/const CACHE = "([^"]+)"/)[1],
    label: readFileSync(path.join(folder, 'index.html'), 'utf8').match(LABEL)[2],
  };
}

// The next release, as its build would differ from this one: another
// label, another WebAssembly (a custom section added) under its own name,
// a loader that names it, and a service worker with a new cache name and
// file list.
function nextRelease(site, folder) {
  const a = release(site);
  cpSync(site, folder, { recursive: true });
  const name = Buffer.from('velmarit');
  const section = Buffer.concat([Buffer.from([1 + name.length]), name, Buffer.from('B')]);
  const module = Buffer.concat([a.module, Buffer.from([0, section.length]), section]);
  const wasm = `velmarit-${hash16(module)}.wasm`;
  rmSync(path.join(folder, a.wasm));
  writeFileSync(path.join(folder, wasm), module);
  const file = (entry) => path.join(folder, entry);
  writeFileSync(file('velmarit.js'), a.loader.toString().replaceAll(a.wasm, wasm));
  writeFileSync(file('index.html'), readFileSync(file('index.html'), 'utf8')
    .replace(LABEL, `$1${a.label} B<`));
  const cache = a.cache.replace(/[0-9a-f]{16}$/, hash16(module));
  writeFileSync(file('sw.js'), readFileSync(file('sw.js'), 'utf8')
    .replace(a.cache, cache).replace(a.wasm, wasm));
  return release(folder);
}

// Deploys a release the way a copy onto a static host does: the files
// replaced in place.
function deploy(from, live) {
  rmSync(live, { recursive: true, force: true });
  cpSync(from.folder, live, { recursive: true });
}

// The release of every loader and WebAssembly the page ran, in the order
// they came: a load's loader, then its WebAssembly.
function watchCode(page, releases) {
  const seen = [];
  page.on('response', async (response) => {
    const wasm = response.url().endsWith('.wasm');
    if (!wasm && !response.url().endsWith('/velmarit.js')) return;
    const at = seen.push('?') - 1;
    const body = await response.body();
    seen[at] = releases.find((r) => body.equals(wasm ? r.module : r.loader))?.label ?? '?';
  });
  return seen;
}

const label = (page) => page.textContent('#lblRelease');

// Sets up release A live behind the caching server, its first visit done,
// and release B ready to deploy.
async function firstVisit(name) {
  const folder = scratchFolder(name);
  const a = release(opts.site);
  const b = nextRelease(opts.site, path.join(folder, 'b'));
  const live = path.join(folder, 'live');
  deploy(a, live);
  const server = await serve(live, 0, { cacheControl: 'max-age=600' });
  const context = await launchPersistent(path.join(folder, 'profile'));
  const page = context.pages()[0] ?? await context.newPage();
  const code = watchCode(page, [a, b]);
  const navigations = [];
  page.on('framenavigated', (frame) => frame === page.mainFrame() && navigations.push(frame.url()));
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await ready(page);
  await controlled(page);
  assert.equal(await label(page), a.label);
  const close = async () => {
    await context.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
  };
  return { a, b, live, server, page, code, navigations, close };
}

// The notice shows, and the page stays the one it was for a while after.
async function offeredWithoutReload(page, navigations, oldLabel) {
  await page.evaluate(() => { window.velmaritStillHere = true; });
  const before = navigations.length;
  await page.waitForSelector(NOTICE, { state: 'visible', timeout: 30000 });
  assert.equal(await page.textContent(NOTICE), NOTICE_TEXT);
  assert.equal(await page.getAttribute('#newRelease', 'role'), 'status');
  await page.waitForTimeout(3000);
  assert.equal(await page.evaluate(() => window.velmaritStillHere), true, 'the page reloaded by itself');
  assert.equal(navigations.length, before);
  assert.equal(await label(page), oldLabel);
}

test('a new release is on screen after two reloads, and offline afterwards', async () => {
  const { a, b, live, server, page, code, navigations, close } = await firstVisit('release');
  try {
    deploy(b, live);
    await page.reload();
    await ready(page);
    // This load came from the old release's cache; the new one is fetched
    // behind it and offered.
    await offeredWithoutReload(page, navigations, a.label);
    await page.reload();
    await ready(page);
    assert.equal(await label(page), b.label, 'the second reload shows the new release');

    await new Promise((resolve) => server.close(resolve));
    server.closeAllConnections?.();
    await page.reload();
    await ready(page);
    assert.equal(await label(page), b.label, 'offline, the new release');
    await showPanel(page, 'txtWeichen');
    await page.fill('#txtWeichen', '256');
    assert.equal(await page.textContent('#lblWeichen'), ' 2 3 6');
    assert.deepEqual(await page.evaluate(() => caches.keys()), [b.cache]);
    assert.deepEqual(code, [a.label, a.label, a.label, a.label,
                            b.label, b.label, b.label, b.label]);
  } finally {
    await close();
  }
});

test('a page left open offers the new release and loads it only when asked', async () => {
  const { a, b, live, page, code, navigations, close } = await firstVisit('open');
  try {
    deploy(b, live);
    // The person comes back to the page (another app was in front).
    await page.evaluate(() => document.dispatchEvent(new Event('visibilitychange')));
    await offeredWithoutReload(page, navigations, a.label);
    await Promise.all([page.waitForEvent('load'), page.tap(NOTICE)]);
    await ready(page);
    assert.equal(await label(page), b.label);
    assert.equal(await page.isHidden(NOTICE), true);
    assert.deepEqual(code, [a.label, a.label, b.label, b.label]);
  } finally {
    await close();
  }
});
