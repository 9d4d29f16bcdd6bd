// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the site on the phone after the first visit, so the page works at
// the layout without a network. The build writes the cache name (version
// and content), the files every language's page needs and the folders of
// the languages' pages in. A new version fills a new cache and drops the
// old one.
//
// A language's page (and its manifest) is kept from its first visit on:
// the first visit loads only its own language, and every language a phone
// has shown works offline, across new versions too.
const CACHE = '@CACHE@';
const FILES = ['@FILES@'];
const PAGES = ['@PAGES@'];

// Straight from the server: hosts let browsers keep files for minutes, and
// a new cache filled from the browser's would hold the old release under
// the new name.
const fresh = (url) => new Request(url, { cache: 'reload' });
const pageFiles = (folder) => [folder, `${folder}manifest.webmanifest`];

// The language folder of an address in the site ('./' for the root).
function folderOf(url) {
  const scope = self.registration.scope;
  const path = url.startsWith(scope) ? url.slice(scope.length) : '';
  return PAGES.find((folder) => folder !== './' && path.startsWith(folder)) ?? './';
}

// The languages to keep: those of the pages open now (the first visit's
// among them), and those the version before kept.
async function languagesToKeep() {
  const kept = new Set();
  const open = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
  for (const client of open) kept.add(folderOf(client.url));
  for (const name of await caches.keys()) {
    if (!name.startsWith('velmarit-') || name === CACHE) continue;
    const before = await caches.open(name);
    for (const folder of PAGES) if (await before.match(folder)) kept.add(folder);
  }
  return kept;
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const pages = [...await languagesToKeep()].flatMap(pageFiles);
    const cache = await caches.open(CACHE);
    await cache.addAll([...FILES, ...pages].map(fresh));
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

// A language's page seen for the first time: from the server, and kept.
async function keepPage(cache, request, folder) {
  const response = await fetch(request);
  const path = new URL(request.url).pathname;
  if (response.ok && (path.endsWith('/') || path.endsWith('/index.html'))) {
    await cache.put(folder, response.clone());
    const [, manifest] = pageFiles(folder);
    await cache.add(fresh(manifest)).catch(() => {});
  }
  return response;
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => {
      const hit = await cache.match(request, { ignoreSearch: true });
      if (hit) return hit;
      if (request.mode !== 'navigate') return fetch(request);
      // Any page of a language's folder is that language's one page.
      const folder = folderOf(request.url);
      const kept = await cache.match(folder);
      if (kept) return kept;
      try {
        return await keepPage(cache, request, folder);
      } catch (offline) {
        // Offline in a language never shown here: the German page.
        const root = await cache.match('./');
        if (root) return root;
        throw offline;
      }
    }));
});
