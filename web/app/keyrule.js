// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's key rule for the switch-number boxes, judged by the codes on
// the box's whole text (a selection the character would replace included).
// On-screen keyboards send no usable key codes, so the rule acts on the
// text about to be inserted: one character is a key press, a longer text
// is a paste, which the window lets through (the length limit still holds).
//
// What a box holds keeps the rule after Undo and Redo too, so the rule is
// kept inside the browser's undo history: a key is refused before it goes
// in, where the browser lets it be (beforeinput); a change that cannot be
// refused before (a composed character, a redo of one, text inserted by an
// editing command) is judged once it is in, against the text the box held
// before, and taken back as an undo step; the box never gets a value from
// here, which the history would not know.

import { byId, codes } from './page.js';
import { panels } from './panels.js';

const isOneCharacter = (text) => typeof text === 'string' && [...text].length === 1;

// The text a change put in between what stayed before and after it.
function inserted(before, after) {
  let start = 0;
  while (start < before.length && start < after.length && before[start] === after[start]) start += 1;
  let end = 0;
  while (end < before.length - start && end < after.length - start &&
         before.at(-1 - end) === after.at(-1 - end)) end += 1;
  return after.slice(start, after.length - end);
}

function keepKeyRule(panel) {
  const box = byId(panel.typed);
  // The box's text after its last change that kept the rule; the key the
  // rule let in before it went in; whether a change is being taken back.
  let kept = box.value;
  let accepted = null;
  let mending = false;
  const refused = (before, text) => isOneCharacter(text) && !codes.keyAccepted(panel.decoder, before, text);

  box.addEventListener('beforeinput', (event) => {
    accepted = null;
    if (!codes || mending || event.inputType !== 'insertText' || !isOneCharacter(event.data)) return;
    if (refused(box.value, event.data)) event.preventDefault();
    else accepted = event.data;
  });

  // An undo takes a refused change back; where that took more (a browser
  // that holds typing as one step), the kept text goes in as a new step.
  const takeBack = (inputType) => {
    document.execCommand(inputType === 'historyUndo' ? 'redo' : 'undo');
    if (box.value !== kept) {
      box.select();
      if (!document.execCommand('insertText', false, kept)) {
        box.value = kept;
        box.dispatchEvent(new Event('input'));
      }
    }
    mending = false;
  };
  // Taken back once the change's own handling is over: an editing command
  // refuses to run inside another's input event.
  const judge = (inputType) => {
    if (!codes || mending || box.value === kept) return;
    if (refused(kept, inserted(kept, box.value))) {
      mending = true;
      queueMicrotask(() => takeBack(inputType));
    } else {
      kept = box.value;
    }
  };
  box.addEventListener('input', (event) => {
    if (event.inputType === 'insertText' && event.data === accepted) kept = box.value;
    else if (!event.isComposing) judge(event.inputType);
    accepted = null;
  });
  // Some browsers end a composition after its last input event.
  box.addEventListener('compositionend', () => judge('insertCompositionText'));
}

export function connectKeyRules() {
  for (const panel of panels) keepKeyRule(panel);
}
