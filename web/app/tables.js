// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The coding tables: the C++ tables' rows, each with its switch block, in
// a frame that scrolls sideways on a narrow screen while the first column
// stays in view. They hold thousands of elements, so they are built when
// someone comes near them or prints, a group of rows at a time.

import { byId, codes, data } from './page.js';
import { panels } from './panels.js';

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

// Rows at a time between two tasks, so that building never holds up a tap
// for long.
const ROWS_AT_A_TIME = 16;

// A generator that yields between groups of rows.
function* codingTable(panel, into) {
  const source = codes.codingTable(panel.decoder);
  // The library gives the cells; the texts are the page's, column for
  // column.
  const { title, note, columns } = data.tables[panel.name];
  if (columns.length !== source.leadingCount + 1 + source.trailingCount) {
    throw new Error(`columns of ${panel.name}`);
  }
  const headings = [...columns];
  headings.splice(source.leadingCount, 0, data.picture);

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
  for (const [index, row] of source.rows.entries()) {
    if ((index + 1) % ROWS_AT_A_TIME === 0) yield;
    if (row.startsGroup) body = table.createTBody();
    const line = body.insertRow();
    const add = (text) => { line.insertCell().textContent = text; };
    row.leading.forEach(add);
    line.insertCell().append(switchDrawing(row.bits, source.switchCount));
    add(row.onText);
    row.trailing.forEach(add);
  }
}

// In the library's order, as the window prints them.
function* allTables() {
  for (const word of codes.decoders) {
    yield* codingTable(panels.find((panel) => panel.decoder === word), byId('tables'));
  }
  byId('tabellen').dataset.ready = '';
}

// Built a part in each task; all at once before printing.
let building = null;
function buildTables(atOnce) {
  if (!codes) return;
  if (!building) {
    building = allTables();
    if (!atOnce) {
      const step = () => {
        if (!building.next().done) setTimeout(step);
      };
      step();
    }
  }
  if (atOnce) while (!building.next().done);
}

export function connectTables() {
  window.addEventListener('beforeprint', () => buildTables(true));
}

// Once the codes are there: built when someone scrolls to them (their place
// reaches the upper half of the screen) or prints, not while the panels
// load, nor because their heading shows below a phone's panel.
export function tablesStarted() {
  const nearTables = new IntersectionObserver((entries) => {
    if (entries.some((entry) => entry.isIntersecting)) {
      nearTables.disconnect();
      buildTables(false);
    }
  }, { rootMargin: '0px 0px -50% 0px' });
  nearTables.observe(byId('tables'));
  window.matchMedia('print').addEventListener('change', (query) => query.matches && buildTables(true));
}
