// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's script: it connects the controls at once, and starts the
// codes (the WebAssembly) once the page is drawn, so that the controls show
// first. Without its codes the page can answer nothing: it says so, and
// what to try, rather than leave boxes that take no key.

import { connectCodes } from './codes.js';
import { connectInfo } from './info.js';
import { connectKeyRules } from './keyrule.js';
import { byId, codes, codesStarted, data } from './page.js';
import { connectPanels, panelsStarted } from './panels.js';
import { keepOffline } from './release.js';
import { connectTables, tablesStarted } from './tables.js';

const panelInputs = () => document.querySelectorAll('.panel input');

function started(module) {
  const connected = connectCodes(module);
  if (data.words) {
    connected.setWords([data.words.invalid, data.words.analog, data.words.noSwitchOn]);
  }
  codesStarted(connected);
  for (const input of panelInputs()) input.disabled = false;
  panelsStarted();
  byId('msgStart').replaceChildren();
  document.documentElement.dataset.ready = '';
  performance.mark('velmarit-ready');
  tablesStarted();
}

function failed() {
  if (codes) return;
  const lines = [data.messages.startFailed];
  if (!navigator.onLine) lines.push(data.messages.offline);
  byId('msgStart').replaceChildren(...lines.map((text) => {
    const line = document.createElement('p');
    line.textContent = text;
    return line;
  }));
  for (const input of panelInputs()) input.disabled = true;
}

// A loader that neither answers nor fails (a stalled proxy, say) counts as
// failed after a while; should it answer later, the page starts after all.
const START_PATIENCE_MS = 20000;

function start() {
  const patience = setTimeout(failed, START_PATIENCE_MS);
  import('./velmarit.js')
    .then((loader) => loader.default())
    .then((module) => {
      clearTimeout(patience);
      started(module);
    })
    .catch(() => {
      clearTimeout(patience);
      failed();
    });
}

connectPanels();
connectKeyRules();
connectInfo();
connectTables();
requestAnimationFrame(() => setTimeout(start));
keepOffline();
