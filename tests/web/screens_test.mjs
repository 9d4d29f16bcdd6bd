// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on every screen a person brings to the layout, from a 320 px
// phone to a desktop at 200 % zoom, upright and sideways: nothing scrolls
// sideways, no control lies over another or outside its frame, a finger at
// the centre of a switch or box hits it, and on a phone a panel's switches,
// typed box and both results are on screen together. Then the coding
// tables on a phone, forced colours, and the page without its scripts or
// its WebAssembly. Usage: node screens_test.mjs --site DIR --onefile FILE [--lang LANG]

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { serve } from './server.mjs';
import {
  barFragments, eventually, folder, launch, onefileOf, openTables, options, panels, ready, showPanel,
  shownPanels, tapped, texts,
} from './support.mjs';

const opts = options();
const own = texts(opts.lang);

// Phones and tablets have touch; the desktop at 200 % zoom is a 1280 x 800
// screen whose page sees half as many CSS pixels.
const screens = [
  { name: 'phone 320x640', width: 320, height: 640, touch: true, phone: true },
  { name: 'phone 360x740', width: 360, height: 740, touch: true, phone: true },
  { name: 'phone 412x915', width: 412, height: 915, touch: true, phone: true },
  { name: 'phone sideways 740x360', width: 740, height: 360, touch: true, phone: true },
  { name: 'tablet 768x1024', width: 768, height: 1024, touch: true },
  { name: 'tablet sideways 1024x768', width: 1024, height: 768, touch: true },
  { name: 'desktop 1280x800', width: 1280, height: 800 },
  { name: 'desktop 1280x800 at 200 %', width: 640, height: 400, scale: 2 },
];

let server;
let browser;
let url;

before(async () => {
  server = await serve(opts.site);
  url = `http://127.0.0.1:${server.address().port}/${folder(opts.lang)}`;
  browser = await launch();
});

after(async () => {
  await browser?.close();
  server?.close();
});

async function open(screen, extra = {}) {
  const context = await browser.newContext({
    viewport: { width: screen.width, height: screen.height },
    deviceScaleFactor: screen.scale ?? (screen.touch ? 2 : 1),
    isMobile: Boolean(screen.touch),
    hasTouch: Boolean(screen.touch),
    ...extra,
  });
  return context.newPage();
}

// Every control of a panel, as boxes on the screen, with what holds it.
function controlsOf(page, panelId) {
  return page.$eval(`#${panelId}`, (panel) => {
    const selector = 'input, output, .dip, .fieldlabel, .encode label, .caption, .listhead, ul, legend';
    return [...panel.querySelectorAll(selector)].map((element) => {
      const r = element.getBoundingClientRect();
      const frame = element.closest('fieldset')?.getBoundingClientRect();
      return {
        id: element.id || `${element.tagName.toLowerCase()}.${element.className}`,
        box: { left: r.left, top: r.top, right: r.right, bottom: r.bottom },
        frame: frame && { left: frame.left, top: frame.top, right: frame.right, bottom: frame.bottom },
        inDip: Boolean(element.closest('.dip')) && !element.classList.contains('dip'),
        isDip: element.classList.contains('dip'),
      };
    });
  });
}

const overlap = (a, b) => Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
  Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5;
const inside = (a, b) => a.left >= b.left - 0.5 && a.right <= b.right + 0.5 &&
  a.top >= b.top - 0.5 && a.bottom <= b.bottom + 0.5;

async function hitAtCentre(page, id) {
  const box = await page.locator(`#${id}`).boundingBox();
  const x = box.x + box.width / 2;
  const y = box.y + box.height / 2;
  const hit = await page.evaluate(([px, py]) => document.elementFromPoint(px, py)?.id ?? null, [x, y]);
  return { box, x, y, hit };
}

for (const screen of screens) {
  test(`${screen.name}: every switch and box under a finger, nothing over another`, async () => {
    const page = await open(screen);
    await page.goto(url);
    await ready(page);
    const problems = [];
    for (const panel of panels) {
      await showPanel(page, panel.typed);
      const panelId = await page.$eval(`#${panel.typed}`, (e) => e.closest('.panel').id);
      const width = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
      if (width[0] > width[1]) problems.push(`${panelId}: the page is ${width[0]} px wide on ${width[1]}`);

      const controls = await controlsOf(page, panelId);
      for (const [i, a] of controls.entries()) {
        if (a.frame && !inside(a.box, a.frame)) problems.push(`${a.id} leaves its frame`);
        for (const b of controls.slice(i + 1)) {
          // The switches lie on their block by design.
          if ((a.isDip && b.inDip) || (b.isDip && a.inDip)) continue;
          if (overlap(a.box, b.box)) problems.push(`${a.id} overlaps ${b.id}`);
        }
      }

      for (let n = 1; n <= panel.count; n += 1) {
        const id = `${panel.switches}${n}`;
        await page.locator(`#${id}`).scrollIntoViewIfNeeded();
        const { box, x, y, hit } = await hitAtCentre(page, id);
        if (hit !== id) problems.push(`the centre of ${id} is ${hit}`);
        if (box.width < 24 || box.height < (screen.touch ? 44 : 24)) {
          problems.push(`${id} is ${box.width.toFixed(1)} x ${box.height.toFixed(1)}`);
        }
        const tap = () => (screen.touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
        if (!await tapped(page, id, tap)) problems.push(`a tap left ${id} as it was`);
      }
      for (const id of [panel.typed, panel.address].filter(Boolean)) {
        await page.locator(`#${id}`).scrollIntoViewIfNeeded();
        const { hit } = await hitAtCentre(page, id);
        if (hit !== id) problems.push(`the centre of ${id} is ${hit}`);
      }

      // On a phone the answer to a tap is on screen with the tap: the
      // block, the typed box and both decode results at once.
      if (screen.phone) {
        await page.evaluate(() => window.scrollTo(0, 0));
        const height = await page.evaluate(() => innerHeight);
        for (const id of [panel.typed, `${panel.switches}1`, panel.fromTyped, panel.fromTicked]) {
          const box = await page.locator(`#${id}`).boundingBox();
          if (box.y < 0 || box.y + box.height > height) problems.push(`${id} is off the first screen`);
        }
      }
    }
    assert.deepEqual(problems, []);
    await page.context().close();
  });
}

// What a phone shows: the panels on screen and the bar's current link.
const choice = (page) => Promise.all([shownPanels(page),
  page.$$eval('.chooser a[aria-current="true"]', (links) => links.map((link) => link.dataset.fragment))]);

test('the address names the decoder shown: its fragment, the bar, Back and Forward, as a fresh load', async () => {
  const phone = await open(screens[1]);
  const panelAt = (fragment) => `pnl${panels.find((panel) => panel.fragment === fragment).name}`;
  // Each decoder's fragment, and none: the bar's first.
  for (const [fragment, shownPanel] of [...barFragments.map((f) => [`#${f}`, panelAt(f)]).reverse(),
    ['', panelAt(barFragments[0])]]) {
    await phone.goto(url + fragment);
    await ready(phone);
    await eventually(() => shownPanels(phone), [shownPanel], fragment);
  }
  // The bar's links and the tables' link change the address; the page
  // follows it, Back and Forward too, and shows what a fresh load of the
  // address shows.
  const fresh = await open(screens[1]);
  const last = barFragments.at(-1);
  const link = (selector) => () => phone.tap(selector);
  for (const [step, act] of [[`#${last}`, link(`.chooser a[data-fragment="${last}"]`)],
    ['back', () => phone.goBack()], ['forward', () => phone.goForward()],
    ['#tabellen', link('.top .tablelink')], ['back', () => phone.goBack()], ['back', () => phone.goBack()]]) {
    const before = phone.url();
    await act();
    await eventually(() => phone.url() !== before, true, step);
    await fresh.goto('about:blank');
    await fresh.goto(phone.url());
    await ready(fresh);
    await eventually(() => choice(phone), await choice(fresh), `${step}: ${phone.url()}`);
  }
  await phone.context().close();
  await fresh.context().close();

  const desktop = await open(screens[6]);
  await desktop.goto(`${url}#${last}`);
  await ready(desktop);
  assert.equal(await desktop.isVisible('.chooser'), false);
  for (const panel of panels) {
    assert.equal(await desktop.isVisible(`#pnl${panel.name}`), true, panel.name);
  }
  await desktop.context().close();
});

for (const screen of screens.slice(0, 3)) {
  test(`${screen.name}: every cell of the coding tables can be reached, the address in view`, async () => {
    const page = await open(screen);
    await page.goto(url);
    await ready(page);
    await openTables(page);
    const report = await page.$$eval('.tableframe', (frames) => frames.map((frame) => {
      const table = frame.querySelector('table');
      const out = { cells: table.querySelectorAll('td, th').length, problems: [] };
      const frameBox = () => frame.getBoundingClientRect();
      if (frameBox().right > innerWidth + 0.5) out.problems.push('the frame is wider than the screen');
      for (const end of [0, frame.scrollWidth]) {
        frame.scrollLeft = end;
        const edge = frameBox();
        for (const row of table.rows) {
          const first = row.cells[0].getBoundingClientRect();
          if (first.left < edge.left - 0.5 || first.right > edge.right + 0.5) {
            out.problems.push(`row ${row.rowIndex}: its first cell leaves the frame`);
          }
          if (end > 0) {
            const last = row.cells[row.cells.length - 1].getBoundingClientRect();
            if (last.right > edge.right + 0.5) out.problems.push(`row ${row.rowIndex}: its last cell is out of reach`);
          }
        }
      }
      frame.scrollLeft = 0;
      return out;
    }));
    assert.equal(report.length, 3);
    // 81 + 17 + 257 rows of 3, 3 and 6 cells.
    assert.equal(report.reduce((sum, table) => sum + table.cells, 0), 81 * 3 + 17 * 3 + 257 * 6);
    assert.deepEqual(report.flatMap((table) => table.problems).slice(0, 5), []);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
    await page.context().close();
  });
}

test('forced colours keep the lever positions and the highlight', async () => {
  const page = await open(screens[1]);
  await page.emulateMedia({ forcedColors: 'active' });
  await page.goto(url + '#lok');
  await ready(page);
  const off = await page.locator('#chkSwitchLok1').screenshot();
  assert.ok(await tapped(page, 'chkSwitchLok1', () => page.tap('#chkSwitchLok1')));
  const on = await page.locator('#chkSwitchLok1').screenshot();
  assert.notDeepEqual(on, off, 'a ticked and an unticked switch look alike');
  // Switch 1 alone is address 78, normal; 1 and 2 together are invalid.
  const colour = (id) => page.$eval(`#${id}`, (e) => getComputedStyle(e).backgroundColor);
  const normal = await colour('lblAnzeigeLok');
  assert.ok(await tapped(page, 'chkSwitchLok2', () => page.tap('#chkSwitchLok2')));
  assert.equal(await page.$eval('#lblAnzeigeLok', (e) => e.classList.contains('highlight')), true);
  assert.notEqual(await colour('lblAnzeigeLok'), normal, 'the highlight looks like a normal result');
  await page.context().close();
});

test('without scripts, the site and the one-file page say what they need', async () => {
  for (const address of [url, pathToFileURL(onefileOf(opts.onefile, opts.lang)).href]) {
    const page = await open(screens[1], { javaScriptEnabled: false });
    await page.goto(address);
    const notice = page.locator('.notice', { hasText: own.messages.noscript });
    assert.equal(await notice.isVisible(), true, address);
    await page.context().close();
  }
});

// Whichever of its files does not come: the script, the style, the loader,
// the WebAssembly.
for (const blocked of ['app*.js', 'velmarit*.css', 'velmarit*.js', '*.wasm']) {
  test(`without ${blocked}, the page says it could not start and takes no input`, async () => {
    const page = await open(screens[1]);
    await page.route(`**/${blocked}`, (route) => route.abort());
    await page.goto(url);
    const alert = page.locator('#msgStart[role="alert"]');
    await alert.getByText(own.messages.startFailed).waitFor();
    assert.equal(await alert.isVisible(), true);
    assert.equal(await page.isDisabled('#txtSwitchLok'), true);
    assert.equal(await page.isDisabled('#chkSwitchLok1'), true);
    await page.context().close();
  });
}
