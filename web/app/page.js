// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's modules share: what the build wrote into the page (the
// panels with their control names, the words the codes write in this
// language, the tables' texts, the messages), its elements by id, and the
// codes once they have started.

export const data = JSON.parse(document.getElementById('velmaritData').textContent);

export const byId = (id) => document.getElementById(id);

// The codes (codes.js), null until they have started and for good when
// they could not start.
export let codes = null;

export function codesStarted(connected) {
  codes = connected;
}
