// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's key rule for the switch-number boxes, judged by the codes on
// the box's whole text (a selection the character would replace included).
// On-screen keyboards send no usable key codes, so the rule acts on the
// text about to be inserted: one character is a key press, a longer text
// is a paste, which the window lets through (the length limit still holds).

import { byId, codes } from './page.js';
import { panels, typedChanged } from './panels.js';

const isOneCharacter = (text) => typeof text === 'string' && [...text].length === 1;

function keepKeyRule(panel) {
  const box = byId(panel.typed);
  let beforeComposition = null;
  box.addEventListener('beforeinput', (event) => {
    if (!codes) {
      if (event.inputType.startsWith('insert')) event.preventDefault();
      return;
    }
    if (event.inputType === 'insertText' && isOneCharacter(event.data) &&
        !codes.keyAccepted(panel.decoder, box.value, event.data)) {
      event.preventDefault();
    }
  });
  // A composed character cannot be cancelled on its way in. It is judged
  // when the composition ends; when the rule refuses it, this handler
  // writes the box: it puts back the text and selection the box had before
  // the composition, and the box's result follows as for any change.
  box.addEventListener('compositionstart', () => {
    beforeComposition = { value: box.value, start: box.selectionStart, end: box.selectionEnd };
  });
  box.addEventListener('compositionend', (event) => {
    const before = beforeComposition;
    beforeComposition = null;
    if (!before || !codes || !isOneCharacter(event.data)) return;
    if (!codes.keyAccepted(panel.decoder, before.value, event.data)) {
      box.value = before.value;
      box.setSelectionRange(before.start, before.end);
      typedChanged(panel);
    }
  });
}

export function connectKeyRules() {
  for (const panel of panels) keepKeyRule(panel);
}
