// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the whole site on the phone after the first visit, so the page
// works at the layout without a network. The build writes the cache name
// (version and content) and the file list in; a new version fills a new
// cache and drops the old one.
const CACHE = '@CACHE@';
const FILES = ['@FILES@'];

self.addEventListener('install', (event) => {
  // Straight from the server: hosts let browsers keep files for minutes,
  // and a new cache filled from the browser's would hold the old release
  // under the new name.
  const fresh = FILES.map((url) => new Request(url, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)));
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

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => {
      const hit = await cache.match(request, { ignoreSearch: true });
      if (hit) return hit;
      // Any page of the site's scope is the one page.
      if (request.mode === 'navigate') {
        const page = await cache.match('./');
        if (page) return page;
      }
      return fetch(request);
    }));
});
