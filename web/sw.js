// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the site on the phone after the first visit, so the page works at
// the layout without a network. The build writes in the cache name
// (version and content), every file the languages' pages share and each
// language's folder, each file with its digest: the worker knows its
// release exactly.
//
// A host is filled one file at a time, so for a while it serves parts of
// two releases. A release is kept whole or not at all: every file is
// checked against its digest (the first 64 bits of its SHA-256, enough to
// tell releases and files cut short apart), and one of another release
// (or not there yet) fails the install, while the release before goes on
// serving; the browser tries again at the next visit, or when the page is
// shown again.
// A language's page (and its manifest) is kept from its first visit on,
// and only when it is this release's own. Addresses the worker does not
// know go to the network.
const CACHE = '@CACHE@';
const FILES = { '@FILES@': '' };
const PAGES = { '@PAGES@': [] };
const MANIFEST = 'manifest.webmanifest';

const address = (name) => new URL(name, self.registration.scope).href;

// A page's files: its folder (the page) and its manifest, with digests.
const pageFiles = (folder) => [[folder, PAGES[folder][0]], [`${folder}${MANIFEST}`, PAGES[folder][1]]];

async function digestOf(bytes) {
  const hash = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return [...hash.slice(0, 8)].map((byte) => byte.toString(16).padStart(2, '0')).join('');
}

// A file of this release, straight from the server (hosts let browsers
// keep files for minutes); null for one that is not this release's.
async function fetchOwn(request, digest) {
  const response = await fetch(request, { cache: 'reload' });
  const body = await response.arrayBuffer();
  return response.ok && await digestOf(body) === digest ? new Response(body, response) : null;
}

// The language folder a page's address names (its folder, or the folder's
// index.html), and where its folder without the slash is sent on; null for
// any other address.
function pageOf(url) {
  const asked = new URL(url);
  asked.search = '';
  asked.hash = '';
  for (const folder of Object.keys(PAGES)) {
    const page = address(folder);
    if (asked.href === page || asked.href === `${page}index.html`) return { folder };
    if (asked.href === page.slice(0, -1)) return { folder, moved: page };
  }
  return null;
}

// The languages to keep: those of the pages open now (the first visit's
// among them), and those the release before kept.
async function languagesToKeep() {
  const kept = new Set();
  const open = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
  for (const client of open) {
    const page = pageOf(client.url);
    if (page) kept.add(page.folder);
  }
  for (const name of await caches.keys()) {
    if (!name.startsWith('velmarit-') || name === CACHE) continue;
    const before = await caches.open(name);
    for (const folder of Object.keys(PAGES)) if (await before.match(address(folder))) kept.add(folder);
  }
  return kept;
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const wanted = [...Object.entries(FILES), ...[...await languagesToKeep()].flatMap(pageFiles)];
    const cache = await caches.open(CACHE);
    try {
      await Promise.all(wanted.map(async ([name, digest]) => {
        const own = await fetchOwn(address(name), digest);
        if (!own) throw new Error(`${name} is not this release's`);
        await cache.put(address(name), own);
      }));
    } catch (mixed) {
      await caches.delete(CACHE);
      throw mixed;
    }
  })());
  self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith('velmarit-') &&
                                                          name !== CACHE)
        .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

// A language's page seen for the first time: from the server, and kept
// with its manifest when it is this release's own. A page of another
// release goes to the browser as it came, and its files (of other names)
// come from the server too.
async function keepPage(cache, request, folder) {
  const response = await fetch(request);
  const body = await response.arrayBuffer();
  if (response.ok && await digestOf(body) === PAGES[folder][0]) {
    await cache.put(address(folder), new Response(body, response));
    const manifest = await fetchOwn(address(`${folder}${MANIFEST}`), PAGES[folder][1]).catch(() => null);
    if (manifest) await cache.put(address(`${folder}${MANIFEST}`), manifest);
  }
  return new Response(body, response);
}

async function servePage(request, folder) {
  const cache = await caches.open(CACHE);
  const kept = await cache.match(address(folder));
  if (kept) return kept;
  try {
    return await keepPage(cache, request, folder);
  } catch (offline) {
    // Offline in a language never shown here: the page at the root.
    const root = await cache.match(address('./'));
    if (root) return root;
    throw offline;
  }
}

async function serveFile(request) {
  const kept = await (await caches.open(CACHE)).match(request, { ignoreSearch: true });
  return kept ?? fetch(request);
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  const page = request.mode === 'navigate' ? pageOf(request.url) : null;
  if (page?.moved) event.respondWith(Response.redirect(page.moved, 301));
  else if (page) event.respondWith(servePage(request, page.folder));
  else if (request.mode !== 'navigate') event.respondWith(serveFile(request));
});
