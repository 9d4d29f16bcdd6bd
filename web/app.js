// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

import createVelmarit from './velmarit.js';

// The page's handlers. Each reads one input control, asks the decoder codes
// (the WebAssembly build of the C++ library) for the answer and writes one
// result element; no conversion rule is written here. As in the window, no
// handler writes an input, so the three results of a panel stay independent.

const DELTA = 0;
const LOK = 1;
const WEICHEN = 2;

// The panels in the window's order, with the window's control names.
const panels = [
  { kind: DELTA, switches: 'chkSwitchLokDelta', count: 4, typed: 'txtSwitchLokDelta',
    fromTyped: 'lblAdresseLokDelta', fromTicked: 'lblAnzeigeLokDelta' },
  { kind: LOK, switches: 'chkSwitchLok', count: 8, typed: 'txtSwitchLok',
    fromTyped: 'lblAdresseLok', fromTicked: 'lblAnzeigeLok',
    address: 'txtDigital', switchList: 'lblDelta' },
  { kind: WEICHEN, switches: 'chkSwitchMA', count: 10, typed: 'txtSwitchMA',
    fromTyped: 'lblAdresseMA', fromTicked: 'lblAnzeigeMA',
    address: 'txtWeichen', switchList: 'lblWeichen' },
];

const byId = (id) => document.getElementById(id);
const encoder = new TextEncoder();
const decoder = new TextDecoder();
let codes = null;

function putText(text) {
  const bytes = encoder.encode(text);
  // A long text may grow the memory, which replaces HEAPU8: make room first.
  const pointer = codes._vm_text(bytes.length);
  codes.HEAPU8.set(bytes, pointer);
}

function getText(pointer) {
  const heap = codes.HEAPU8;
  let end = pointer;
  while (heap[end] !== 0) end += 1;
  return decoder.decode(heap.subarray(pointer, end));
}

function switchBits(panel) {
  let bits = 0;
  for (let n = panel.count; n >= 1; n -= 1) {
    bits = bits * 2 + (byId(panel.switches + n).checked ? 1 : 0);
  }
  return bits;
}

// A decode result: its text, and for the locomotive and turnout panels the
// normal or the highlight colours.
function showDecoded(panel, outputId, bits) {
  const output = byId(outputId);
  output.textContent = getText(codes._vm_address_text(panel.kind, bits));
  if (panel.kind !== DELTA) {
    output.classList.add('decoded');
    output.classList.toggle('highlight', codes._vm_highlighted(panel.kind, bits) === 1);
  }
}

function switchesClicked(panel) {
  showDecoded(panel, panel.fromTicked, switchBits(panel));
}

function typedChanged(panel) {
  putText(byId(panel.typed).value);
  showDecoded(panel, panel.fromTyped, codes._vm_pattern_from_text(panel.kind));
}

function addressChanged(panel) {
  putText(byId(panel.address).value);
  const number = codes._vm_number_from_text();
  byId(panel.switchList).textContent = getText(codes._vm_switch_list(panel.kind, number));
}

// The window's key rule for one typed character, judged on the box's whole
// text (a selection the character would replace included).
function keyAccepted(panel, text, character) {
  putText(text);
  return codes._vm_filter_key(panel.kind, character.codePointAt(0)) !== 0;
}

const isOneCharacter = (text) => typeof text === 'string' && [...text].length === 1;

// On-screen keyboards send no usable key codes, so the filter acts on the
// text about to be inserted: one character is a key press, a longer text is
// a paste, which the window lets through (the length limit still holds).
function filterSwitchNumbers(panel) {
  const box = byId(panel.typed);
  let beforeComposition = null;
  box.addEventListener('beforeinput', (event) => {
    if (!codes) {
      if (event.inputType.startsWith('insert')) event.preventDefault();
      return;
    }
    if (event.inputType === 'insertText' && isOneCharacter(event.data) &&
        !keyAccepted(panel, box.value, event.data)) {
      event.preventDefault();
    }
  });
  // A composed character cannot be cancelled on its way in; it is judged
  // when the composition ends and taken out again if the rule refuses it.
  box.addEventListener('compositionstart', () => {
    beforeComposition = { value: box.value, start: box.selectionStart, end: box.selectionEnd };
  });
  box.addEventListener('compositionend', (event) => {
    const before = beforeComposition;
    beforeComposition = null;
    if (!before || !codes || !isOneCharacter(event.data)) return;
    if (!keyAccepted(panel, before.value, event.data)) {
      box.value = before.value;
      box.setSelectionRange(before.start, before.end);
      typedChanged(panel);
    }
  });
}

function fillDeltaList() {
  const list = byId('lstDelta');
  const count = codes._vm_delta_row_count();
  for (let i = 0; i < count; i += 1) {
    const item = document.createElement('li');
    item.textContent = getText(codes._vm_delta_row(i));
    list.append(item);
  }
}

// The coding tables: rows from the C++ tables, each with its switch block.
function switchDrawing(bits, count) {
  const block = document.createElement('span');
  block.className = 'dip-print';
  block.setAttribute('aria-hidden', 'true');
  for (let n = 1; n <= count; n += 1) {
    const slot = document.createElement('i');
    if ((bits >> (n - 1)) & 1) slot.className = 'on';
    block.append(slot);
  }
  return block;
}

function codingTable(kind) {
  const lines = getText(codes._vm_coding_table(kind)).split('\n');
  const [title, note, switchLine, leadingLine, trailingLine] = lines;
  const [count, switchHeading] = switchLine.split('\t');
  const leading = leadingLine ? leadingLine.split('\t') : [];
  const trailing = trailingLine ? trailingLine.split('\t') : [];

  const figure = document.createElement('section');
  figure.className = 'codingtable';
  const heading = document.createElement('h3');
  heading.textContent = title;
  const paragraph = document.createElement('p');
  paragraph.textContent = note;
  const table = document.createElement('table');
  const head = table.createTHead().insertRow();
  for (const text of [...leading, 'Schalter', switchHeading, ...trailing]) {
    const cell = document.createElement('th');
    cell.scope = 'col';
    cell.textContent = text;
    head.append(cell);
  }
  const body = table.createTBody();
  for (const line of lines.slice(5)) {
    if (!line) continue;
    const [bits, startsGroup, onText, ...cells] = line.split('\t');
    const row = body.insertRow();
    if (startsGroup === '1') row.className = 'group';
    const add = (text) => { row.insertCell().textContent = text; };
    cells.slice(0, leading.length).forEach(add);
    row.insertCell().append(switchDrawing(Number(bits), Number(count)));
    add(onText);
    cells.slice(leading.length).forEach(add);
  }
  figure.append(heading, paragraph, table);
  return figure;
}

let tablesBuilt = false;
function buildTables() {
  if (tablesBuilt || !codes) return;
  tablesBuilt = true;
  byId('tables').append(codingTable(LOK), codingTable(DELTA), codingTable(WEICHEN));
  byId('tabellen').dataset.ready = '';
}

function connectPanels() {
  for (const panel of panels) {
    for (let n = 1; n <= panel.count; n += 1) {
      byId(panel.switches + n).addEventListener('change', () => codes && switchesClicked(panel));
    }
    byId(panel.typed).addEventListener('input', () => codes && typedChanged(panel));
    filterSwitchNumbers(panel);
    if (panel.address) {
      byId(panel.address).addEventListener('input', () => codes && addressChanged(panel));
    }
  }
}

function connectInfo() {
  const dialog = byId('dlgInfo');
  byId('cmdInfo').addEventListener('click', () => dialog.showModal());
  byId('cmdInfoOk').addEventListener('click', () => dialog.close());
}

// Whatever was typed or tapped while the codes were loading is shown once
// they are there, as the handlers would have shown it.
function catchUp() {
  for (const panel of panels) {
    if (switchBits(panel) !== 0) switchesClicked(panel);
    if (byId(panel.typed).value) typedChanged(panel);
    if (panel.address && byId(panel.address).value) addressChanged(panel);
  }
}

connectPanels();
connectInfo();
window.addEventListener('beforeprint', buildTables);

createVelmarit().then((module) => {
  codes = module;
  fillDeltaList();
  catchUp();
  document.documentElement.dataset.ready = '';
  // The tables hold thousands of elements: they are built when someone
  // comes near them or prints, not while the panels load.
  const nearTables = new IntersectionObserver((entries) => {
    if (entries.some((entry) => entry.isIntersecting)) {
      nearTables.disconnect();
      buildTables();
    }
  }, { rootMargin: '400px' });
  nearTables.observe(byId('tabellen'));
  window.matchMedia('print').addEventListener('change', (query) => query.matches && buildTables());
});

// A new release reaches an open page through the service worker, which
// takes over once the release is in its cache: the next load shows it. The
// page then offers to reload, and never reloads on its own under a finger
// about to tap. A page left open looks for a release whenever it is shown
// again.
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

if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  offerNewRelease(navigator.serviceWorker.register('sw.js'));
}
