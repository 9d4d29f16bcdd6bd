// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's script: it connects the controls at once, and starts the
// codes (the WebAssembly) once the page is drawn, so that the controls show
// first. It marks the page as started, or tells the head's script
// (web/head.js), which says what to try, that the codes could not start.

import { connectCodes } from './codes.js';
import { connectInfo } from './info.js';
import { connectKeyRules } from './keyrule.js';
import { byId, codesStarted, data } from './page.js';
import { connectPanels, panelsStarted } from './panels.js';
import { keepOffline } from './release.js';
import { connectTables, tablesStarted } from './tables.js';

function started(module) {
  // A file of the page did not come: it stays as the head's script left it.
  if ('broken' in document.documentElement.dataset) return;
  const connected = connectCodes(module);
  if (data.words) {
    connected.setWords([data.words.invalid, data.words.analog, data.words.noSwitchOn]);
  }
  codesStarted(connected);
  // The head's script may have given up on a stalled start.
  for (const input of document.querySelectorAll('.panel input')) input.disabled = false;
  panelsStarted();
  byId('msgStart').replaceChildren();
  document.documentElement.dataset.ready = '';
  performance.mark('velmarit-ready');
  tablesStarted();
}

function start() {
  import('./velmarit.js')
    .then((loader) => loader.default())
    .then(started)
    .catch(() => document.dispatchEvent(new Event('velmarit-failed')));
}

connectPanels();
connectKeyRules();
connectInfo();
connectTables();
requestAnimationFrame(() => setTimeout(start));
keepOffline();
