// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's handlers. Each reads one input control, asks the decoder codes
// (the WebAssembly build of the C++ library) for the answer and writes one
// result element; no conversion rule is written here. As in the window, no
// handler writes an input, so the three results of a panel stay independent.
//
// The build writes into the page what differs between its languages and
// what the markup was made from: the panels with their control names, the
// words the codes write in this language, the tables' texts and messages.

const data = JSON.parse(document.getElementById('velmaritData').textContent);
const { panels } = data;
const DELTA = 0;

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

function fillDeltaList(panel) {
  const list = byId(panel.list);
  const count = codes._vm_delta_row_count();
  for (let i = 0; i < count; i += 1) {
    const item = document.createElement('li');
    item.textContent = getText(codes._vm_delta_row(i));
    list.append(item);
  }
}

// The coding tables: rows from the C++ tables, each with its switch block,
// in a frame that scrolls sideways on a narrow screen while the first
// column stays in view.
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

// A table is built a group of rows at a time (a generator that yields
// between them), so that building never holds up a tap for long.
const ROWS_AT_A_TIME = 16;

function* codingTable(panel, into) {
  const lines = getText(codes._vm_coding_table(panel.kind)).split('\n');
  let [title, note] = lines;
  const [count, switchHeading] = lines[2].split('\t');
  const leading = lines[3] ? lines[3].split('\t') : [];
  const trailing = lines[4] ? lines[4].split('\t') : [];
  let headings = [...leading, switchHeading, ...trailing];
  // The library writes the tables' texts in German; another language
  // brings its own, column for column.
  const own = data.tables?.[panel.name];
  if (own) {
    if (own.columns.length !== headings.length) throw new Error(`columns of ${panel.name}`);
    ({ title, note } = own);
    headings = own.columns;
  }
  headings.splice(leading.length, 0, data.picture);

  const figure = document.createElement('section');
  figure.className = 'codingtable';
  const heading = document.createElement('h3');
  heading.id = `h${panel.name}Table`;
  heading.textContent = title;
  const paragraph = document.createElement('p');
  paragraph.textContent = note;
  const frame = document.createElement('div');
  frame.className = 'tableframe';
  // A frame that scrolls is reached and moved with the keyboard too.
  frame.tabIndex = 0;
  frame.setAttribute('role', 'region');
  frame.setAttribute('aria-labelledby', heading.id);
  const table = document.createElement('table');
  const head = table.createTHead().insertRow();
  for (const text of headings) {
    const cell = document.createElement('th');
    cell.scope = 'col';
    cell.textContent = text;
    head.append(cell);
  }
  frame.append(table);
  figure.append(heading, paragraph, frame);
  into.append(figure);
  // One body to each group (the four turnouts of a decoder), which the
  // printed page keeps together.
  let body = table.createTBody();
  let built = 0;
  for (const line of lines.slice(5)) {
    if (!line) continue;
    built += 1;
    if (built % ROWS_AT_A_TIME === 0) yield;
    const [bits, startsGroup, onText, ...cells] = line.split('\t');
    if (startsGroup === '1') body = table.createTBody();
    const row = body.insertRow();
    const add = (text) => { row.insertCell().textContent = text; };
    cells.slice(0, leading.length).forEach(add);
    row.insertCell().append(switchDrawing(Number(bits), Number(count)));
    add(onText);
    cells.slice(leading.length).forEach(add);
  }
}

function* allTables() {
  // The printed order: locomotive, Delta, turnout decoders.
  for (const panel of [panels[1], panels[0], panels[2]]) yield* codingTable(panel, byId('tables'));
  byId('tabellen').dataset.ready = '';
}

// Built when someone comes near the tables, a part in each task; all at
// once before printing.
let tables = null;
function buildTables(atOnce) {
  if (!codes) return;
  if (!tables) {
    tables = allTables();
    if (!atOnce) {
      const step = () => {
        if (!tables.next().done) setTimeout(step);
      };
      step();
    }
  }
  if (atOnce) while (!tables.next().done);
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
// they are there, as the handlers would have shown it. The Delta results
// are never empty: all switches OFF is analog operation.
function catchUp() {
  for (const panel of panels) {
    if (panel.kind === DELTA || switchBits(panel) !== 0) switchesClicked(panel);
    if (panel.kind === DELTA || byId(panel.typed).value) typedChanged(panel);
    if (panel.address && byId(panel.address).value) addressChanged(panel);
  }
}

function started(module) {
  codes = module;
  if (data.words) {
    putText(data.words.invalid + '\t' + data.words.analog + '\t' + data.words.noSwitchOn);
    codes._vm_set_words();
  }
  for (const panel of panels) if (panel.list) fillDeltaList(panel);
  catchUp();
  byId('msgStart').replaceChildren();
  document.documentElement.dataset.ready = '';
  performance.mark('velmarit-ready');
  // The tables hold thousands of elements: they are built when someone
  // scrolls to them (their place reaches the upper half of the screen) or
  // prints, not while the panels load, nor because their heading shows
  // below a phone's panel.
  const nearTables = new IntersectionObserver((entries) => {
    if (entries.some((entry) => entry.isIntersecting)) {
      nearTables.disconnect();
      buildTables(false);
    }
  }, { rootMargin: '0px 0px -50% 0px' });
  nearTables.observe(byId('tables'));
  window.matchMedia('print').addEventListener('change', (query) => query.matches && buildTables(true));
}

// Without its codes the page can answer nothing: it says so, and what to
// try, rather than leave boxes that take no key.
function failed() {
  if (codes) return;
  const message = byId('msgStart');
  const lines = [data.messages.startFailed];
  if (!navigator.onLine) lines.push(data.messages.offline);
  message.replaceChildren(...lines.map((text) => {
    const line = document.createElement('p');
    line.textContent = text;
    return line;
  }));
  for (const input of document.querySelectorAll('.panel input')) input.disabled = true;
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
      for (const input of document.querySelectorAll('.panel input')) input.disabled = false;
      started(module);
    })
    .catch(() => {
      clearTimeout(patience);
      failed();
    });
}

connectPanels();
connectInfo();
window.addEventListener('beforeprint', () => buildTables(true));
// The codes start once the page is drawn: the controls show first.
requestAnimationFrame(() => setTimeout(start));

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
  offerNewRelease(navigator.serviceWorker.register(`${data.root}sw.js`));
}
