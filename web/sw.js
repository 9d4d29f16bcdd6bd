// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps the whole site on the phone after the first visit, so the page
// works at the layout without a network. The build writes the cache name
// (version and content) and the file list in; a new version fills a new
// cache and drops the old one.
const CACHE = '@CACHE@';
const FILES = ['@FILES@'];
// The folders of the pages in other languages than the root's.
const PAGES = ['@PAGES@'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
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
      // Any page of the site's scope is its language's one page.
      if (request.mode === 'navigate') {
        const path = request.url.slice(self.registration.scope.length);
        const page = await cache.match(PAGES.find((folder) => path.startsWith(folder)) ?? './');
        if (page) return page;
      }
      return fetch(request);
    }));
});
