// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A new release reaches an open page through the service worker, which
// takes over once the release is in its cache: the next load shows it. The
// page then offers to reload, and never reloads on its own under a finger
// about to tap. A page left open looks for a release whenever it is shown
// again.

import { byId, data } from './page.js';

function offerNewRelease(registered) {
  const button = byId('newRelease').querySelector('button');
  button.addEventListener('click', () => location.reload());
  // A first visit's worker taking over brings no new release.
  let served = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (served) button.hidden = false;
    served = true;
  });
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') {
      registered.then((registration) => registration.update()).catch(() => {});
    }
  });
}

// The one-file page has no worker (its policy allows none), nor has a page
// opened from disk.
export function keepOffline() {
  if (data.worker && 'serviceWorker' in navigator && location.protocol.startsWith('http')) {
    const registered = navigator.serviceWorker.register(data.worker);
    // A release that cannot be fetched whole now is tried again later.
    registered.catch(() => {});
    offerNewRelease(registered);
  }
}
