// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The decoder panels' handlers. Each reads one control, asks the codes
// once and writes one result element; no conversion rule is written here.
// As in the window, no handler writes another's control, so the three
// results of a panel stay independent (the key rule, keyrule.js, alone takes
// back a change of a box's own text).

import { byId, codes, data } from './page.js';

export const panels = data.panels;

function switchBits(panel) {
  let bits = 0;
  for (let n = panel.count; n >= 1; n -= 1) {
    bits = bits * 2 + (byId(panel.switches + n).checked ? 1 : 0);
  }
  return bits;
}

// A decode result: its text, in the normal or the highlight colours.
function show(id, shown) {
  const output = byId(id);
  output.textContent = shown.text;
  output.classList.toggle('highlight', shown.highlighted);
}

function switchesClicked(panel) {
  show(panel.fromTicked, codes.decode(panel.decoder, switchBits(panel)));
}

function typedChanged(panel) {
  show(panel.fromTyped, codes.decodeTyped(panel.decoder, byId(panel.typed).value));
}

function addressChanged(panel) {
  byId(panel.switchList).textContent = codes.switchList(panel.decoder, byId(panel.address).value);
}

export function connectPanels() {
  for (const panel of panels) {
    for (let n = 1; n <= panel.count; n += 1) {
      byId(panel.switches + n).addEventListener('change', () => codes && switchesClicked(panel));
    }
    byId(panel.typed).addEventListener('input', () => codes && typedChanged(panel));
    if (panel.address) {
      byId(panel.address).addEventListener('input', () => codes && addressChanged(panel));
    }
  }
}

// Once the codes are there: the lists, and whatever was typed or tapped
// while they were loading, shown as the handlers would have shown it. A
// panel whose results show from the start shows them in any case (the
// Delta decoder's: all switches OFF is analog operation).
export function panelsStarted() {
  for (const panel of panels) {
    if (panel.list) {
      byId(panel.list).append(...codes.deltaList().map((row) => {
        const item = document.createElement('li');
        item.textContent = row;
        return item;
      }));
    }
    if (panel.resultsAtStart || switchBits(panel) !== 0) switchesClicked(panel);
    if (panel.resultsAtStart || byId(panel.typed).value) typedChanged(panel);
    if (panel.address && byId(panel.address).value) addressChanged(panel);
  }
}
