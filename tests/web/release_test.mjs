// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A new release over the one a phone has, the way hosts are filled: one
// file at a time (FTP, rsync), so that for a while the host serves parts of
// both. Every load at every moment is one release, whole, and starts; once
// the upload is over the new release is on screen, offline too; a page left
// open offers it and never reloads by itself. Both releases are the site
// tool's own (the next one made by next_release.py). Chromium looks for a
// new service worker a moment after a navigation; where a test needs the
// look now, it asks for it and waits for its outcome, never for a time.
// Usage: node release_test.mjs --site DIR --next DIR

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cpSync, mkdirSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { serve } from './server.mjs';
import { controlled, launchPersistent, options, ready, scratchFolder, showPanel, texts } from './support.mjs';

const opts = options();
const NOTICE = '#newRelease button';
const NOTICE_TEXT = texts(opts.root).messages.update;

// A release: every file of its site by name, its label on screen and its
// worker's cache name.
function release(folder) {
  const files = new Map();
  for (const name of readdirSync(folder, { recursive: true }).sort()) {
    const file = path.join(folder, name);
    if (statSync(file).isFile()) files.set(name.split(path.sep).join('/'), readFileSync(file));
  }
  return {
    folder,
    files,
    label: files.get('index.html').toString().match(/id="lblRelease"[^>]*>([^<]*)</)[1],
    cache: files.get('sw.js').toString().match(/const CACHE = "([^"]+)"/)[1],
  };
}
const A = release(opts.site);
const B = release(opts.next);

// A file of the next release on the host; `part` of it, as FTP has it
// while the file is on its way.
const put = (live, name, part = 1) => {
  mkdirSync(path.dirname(path.join(live, name)), { recursive: true });
  const bytes = B.files.get(name);
  writeFileSync(path.join(live, name), bytes.subarray(0, Math.ceil(bytes.length * part)));
};
// The end of an upload that mirrors (rsync --delete): the old files go.
const dropLeftovers = (live) => {
  for (const name of A.files.keys()) if (!B.files.has(name)) rmSync(path.join(live, name));
};

// Every load of the page: the releases each file it ran belongs to (its
// page, script, style, loader, WebAssembly), by their bytes.
function watchLoads(page) {
  const loads = [];
  const pending = [];
  page.on('response', (response) => {
    const request = response.request();
    const pathname = new URL(response.url()).pathname;
    const isPage = request.isNavigationRequest() && request.frame() === page.mainFrame();
    if (!isPage && !/\.(js|css|wasm)$/.test(pathname)) return;
    if (isPage) loads.push([]);
    const files = loads.at(-1);
    pending.push(response.body().then((body) => files.push([pathname,
      [A, B].filter((r) => [...r.files.values()].some((bytes) => bytes.equals(body))).map((r) => r.label)]),
    () => {}));
  });
  return async () => {
    await Promise.all(pending);
    return loads;
  };
}

// The release a load ran, whole; a list of its files' releases when they
// were not all of one.
function wholeRelease(files) {
  const common = [A.label, B.label].filter((label) => files.every(([, of]) => of.includes(label)));
  return common.length === 1 ? common[0] : files.map(([name, of]) => `${name} ${of.join('/') || '?'}`);
}

// A load (`how`) until the page has started or said it could not.
async function load(page, loads, how) {
  await how();
  await page.waitForSelector('html[data-ready], #msgStart p', { state: 'attached' });
  return {
    shown: await page.textContent('#lblRelease'),
    release: wholeRelease((await loads()).at(-1)),
    started: await page.evaluate(() => 'ready' in document.documentElement.dataset),
  };
}
const wholeB = { shown: B.label, release: B.label, started: true };

// Asks the browser to look for a new worker now, as a page shown again
// does, and waits for the outcome: 'activated', 'redundant' (its install
// failed) or 'unchanged'.
const lookForRelease = (page) => page.evaluate(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  await registration.update().catch(() => {});
  const worker = registration.installing ?? registration.waiting;
  if (!worker) return 'unchanged';
  return new Promise((resolve) => {
    const settled = () => ['activated', 'redundant'].includes(worker.state) && resolve(worker.state);
    worker.addEventListener('statechange', settled);
    settled();
  });
});

// Release A live behind a server that sends `cacheControl`, its first
// visit done at `address`.
async function firstVisit(name, cacheControl, address = '') {
  const folder = scratchFolder(name);
  const live = path.join(folder, 'live');
  cpSync(A.folder, live, { recursive: true });
  const server = await serve(live, 0, { cacheControl });
  const context = await launchPersistent(path.join(folder, 'profile'));
  const page = context.pages()[0] ?? await context.newPage();
  const loads = watchLoads(page);
  const origin = `http://127.0.0.1:${server.address().port}/`;
  assert.deepEqual(await load(page, loads, () => page.goto(origin + address)),
    { shown: A.label, release: A.label, started: true });
  await controlled(page);
  const offline = async () => {
    await new Promise((resolve) => server.close(resolve));
    server.closeAllConnections?.();
  };
  const close = async () => {
    await context.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
  };
  return { live, origin, context, page, loads, offline, close };
}

// The notice shows once the new worker has taken control, which is when a
// page that reloads by itself would have started to leave.
async function offeredWithoutReload(page, oldLabel) {
  await page.evaluate(() => {
    window.velmaritStillHere = true;
    addEventListener('beforeunload', () => { window.velmaritLeaving = true; });
  });
  await page.waitForSelector(NOTICE, { state: 'visible', timeout: 30000 });
  assert.equal(await page.textContent(NOTICE), NOTICE_TEXT);
  assert.equal(await page.getAttribute('#newRelease', 'role'), 'status');
  assert.deepEqual(await page.evaluate(() => [window.velmaritStillHere, window.velmaritLeaving ?? false]),
    [true, false], 'the page reloaded by itself');
  assert.equal(await page.textContent('#lblRelease'), oldLabel);
}

const isLoader = (name) => /^velmarit(-[0-9a-f]+)?\.js$/.test(name);
const workerFirst = (a, b) => (b === 'sw.js') - (a === 'sw.js');
for (const [how, cacheControl, order, parts] of [
  ['by FTP: the worker, script, pages and WebAssembly first, the loader last', 'max-age=600',
    (names) => [...names.filter((name) => !isLoader(name)).sort(workerFirst), ...names.filter(isLoader)],
    [0.5, 1]],
  ['by rsync: file by file in the order of their names', 'no-cache', (names) => names, [1]],
]) {
  test(`uploaded ${how}: every load is one release, whole, and then the new one`, async () => {
    const { live, page, loads, offline, close } = await firstVisit('upload', cacheControl);
    try {
      const mixed = [];
      for (const name of order([...B.files.keys()])) {
        for (const part of parts) {
          put(live, name, part);
          // A worker cut short does not run, so nothing installs; Chromium's
          // update() then never settles (the next one does).
          if (name !== 'sw.js' || part === 1) await lookForRelease(page);
          const loaded = await load(page, loads, () => page.reload());
          if (!loaded.started || loaded.release !== loaded.shown) mixed.push({ after: name, part, ...loaded });
        }
      }
      dropLeftovers(live);
      await lookForRelease(page);
      const after = await load(page, loads, () => page.reload());
      const kept = await page.evaluate(() => caches.keys());
      await offline();
      const offlineAfter = await load(page, loads, () => page.reload());
      assert.deepEqual({ mixed, after, kept, offlineAfter },
        { mixed: [], after: wholeB, kept: [B.cache], offlineAfter: wholeB });
    } finally {
      await close();
    }
  });
}

test('a language first visited while the new release is up but its worker is not yet', async () => {
  const { live, origin, context, offline, close } = await firstVisit('language', 'max-age=600');
  try {
    for (const name of B.files.keys()) if (name !== 'sw.js') put(live, name);
    dropLeftovers(live);
    const tab = await context.newPage();
    const loads = watchLoads(tab);
    const other = `${origin}${opts.languages[1]}/`;
    assert.deepEqual(await load(tab, loads, () => tab.goto(other)), wholeB, 'first visit');
    assert.deepEqual(await load(tab, loads, () => tab.reload()), wholeB, 'again');
    put(live, 'sw.js');
    assert.equal(await lookForRelease(tab), 'activated');
    await offline();
    assert.deepEqual(await load(tab, loads, () => tab.reload()), wholeB, 'offline');
  } finally {
    await close();
  }
});

test('a new release copied whole is on screen after two reloads, and offline afterwards', async () => {
  const { live, page, loads, offline, close } = await firstVisit('reloads', 'max-age=600');
  try {
    for (const name of B.files.keys()) put(live, name);
    dropLeftovers(live);
    // This load comes from the old release's cache; the browser looks for
    // the new one behind it, and the page offers it.
    await load(page, loads, () => page.reload());
    await offeredWithoutReload(page, A.label);
    assert.deepEqual(await load(page, loads, () => page.reload()), wholeB);
    await offline();
    assert.deepEqual(await load(page, loads, () => page.reload()), wholeB, 'offline');
    await showPanel(page, 'txtWeichen');
    await page.fill('#txtWeichen', '256');
    assert.equal(await page.textContent('#lblWeichen'), ' 2 3 6');
  } finally {
    await close();
  }
});

test('a page left open offers the new release and loads it only when asked', async () => {
  const { live, page, loads, close } = await firstVisit('open', 'max-age=600');
  try {
    for (const name of B.files.keys()) put(live, name);
    dropLeftovers(live);
    // The person comes back to the page (another app was in front).
    await page.evaluate(() => document.dispatchEvent(new Event('visibilitychange')));
    await offeredWithoutReload(page, A.label);
    assert.deepEqual(await load(page, loads, () => Promise.all([page.waitForEvent('load'), page.tap(NOTICE)])),
      wholeB);
    assert.equal(await page.isHidden(NOTICE), true);
  } finally {
    await close();
  }
});
