// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three panels on an emulated phone (360 x 740, touch) in Debian's
// Chromium, against the native library's answers: taps, keys, text as an
// on-screen keyboard inserts it, pastes, colours, the Delta list and the
// information dialog, in the page's language. Usage:
// node panels_test.mjs --site DIR --expected HELPER [--lang LANG]

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { serve } from './server.mjs';
import {
  colours, eventually, folder, hexText, launch, nativeAnswers, options, panelOf, panels, phone, ready,
  showPanel, shown, tapped, texts, watch,
} from './support.mjs';

const opts = options();
const native = nativeAnswers(opts.expected, opts.lang);
const own = texts(opts.lang);

let server;
let browser;
let page;
let seen;
let origin;

before(async () => {
  server = await serve(opts.site);
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await launch();
  const context = await browser.newContext(phone);
  page = await context.newPage();
  seen = watch(page);
  await page.goto(`${origin}/${folder(opts.lang)}`);
  await ready(page);
});

after(async () => {
  await browser?.close();
  server?.close();
});

function expectedDecode(decoder, bits) {
  const [text, highlighted] = native.patterns[decoder][bits];
  return { text: hexText(text), ...(highlighted ? colours.highlight : colours.normal) };
}

async function setBox(id, text) {
  await showPanel(page, id);
  await page.fill(`#${id}`, '');
  await page.focus(`#${id}`);
  if (text) await page.keyboard.insertText(text);
}

for (const panel of panels) {
  test(`${panel.decoder}: every pattern, tapped one switch at a time, shows the native result`, async () => {
    // A Gray code walk: each pattern differs from the one before in one
    // switch, so one tap reaches it; the last tap comes back to all OFF.
    // The finger lands on the middle of each switch as it is drawn.
    await showPanel(page, `${panel.switches}1`);
    const middles = [];
    for (let n = 1; n <= panel.count; n += 1) {
      const box = await page.locator(`#${panel.switches}${n}`).boundingBox();
      middles[n] = [box.x + box.width / 2, box.y + box.height / 2];
    }
    const total = 1 << panel.count;
    const wrong = [];
    for (let i = 1; i <= total; i += 1) {
      const bits = (i % total) ^ ((i % total) >> 1);
      const before = ((i - 1) ^ ((i - 1) >> 1));
      const sw = Math.log2(bits ^ before) + 1;
      if (!await tapped(page, `${panel.switches}${sw}`, () => page.touchscreen.tap(...middles[sw]))) {
        assert.fail(`a tap on switch ${sw} did not reach it`);
      }
      const got = await shown(page, panel.fromTicked);
      const want = expectedDecode(panel.decoder, bits);
      if (JSON.stringify(got) !== JSON.stringify(want)) wrong.push({ bits, got, want });
    }
    assert.deepEqual(wrong.slice(0, 5), [], `${wrong.length} of ${total} patterns differ`);
    // The typed-number result is independent of the boxes.
    assert.equal(await page.inputValue(`#${panel.typed}`), '');
  });
}

for (const [how, type] of [
  ['as keys', (text) => page.keyboard.type(text)],
  ['as an on-screen keyboard inserts them, one by one', async (text) => {
    for (const character of text) await page.keyboard.insertText(character);
  }],
]) {
  test(`typed ${how}, switch numbers pass the window's key rule`, async () => {
    const wrong = [];
    for (const [decoder, keysHex, boxHex, resultHex, highlighted] of native.typed) {
      const panel = panelOf(decoder);
      await setBox(panel.typed, '');
      await type(hexText(keysHex));
      const got = { box: await page.inputValue(`#${panel.typed}`), ...await shown(page, panel.fromTyped) };
      const want = { box: hexText(boxHex), text: hexText(resultHex),
        ...(highlighted ? colours.highlight : colours.normal) };
      if (JSON.stringify(got) !== JSON.stringify(want)) wrong.push({ keys: hexText(keysHex), got, want });
    }
    assert.deepEqual(wrong, []);
  });
}

test('a longer insert is a paste: let through as the window lets it, up to the length limit', async () => {
  const wrong = [];
  for (const [textHex, patterns] of native.switchTexts) {
    const text = hexText(textHex);
    if (text.includes('\ufffd')) continue;
    for (const panel of panels) {
      if ([...text].length > panel.maxlength || [...text].length < 2) continue;
      await setBox(panel.typed, text);
      const got = { box: await page.inputValue(`#${panel.typed}`), ...await shown(page, panel.fromTyped) };
      const want = { box: text, ...expectedDecode(panel.decoder, patterns[panel.decoder]) };
      if (JSON.stringify(got) !== JSON.stringify(want)) wrong.push({ text, got, want });
    }
  }
  assert.deepEqual(wrong, []);
  await setBox('txtSwitchMA', '1234567890');
  assert.equal(await page.inputValue('#txtSwitchMA'), '123456');
});

// A composed character (an input method) and text an editing command puts
// in cannot be refused before they go in: the box takes back what the rule
// refuses and holds what the same key would leave. Undo and Redo
// afterwards, also after keys the rule refused, move only between texts
// the box held, each with its result.
const HISTORY = ['Control+z', 'Control+z', 'Control+Shift+z', 'Control+Shift+z', 'Control+Shift+z',
  'Control+z', 'Control+z', 'Control+z', 'Control+Shift+z'];
for (const [id, typed, steps] of [
  ['txtSwitchLok', '11', [['composed', '3', '13'], ['composed', '1', '13'], ['composed', '4', '13']]],
  ['txtSwitchLok', '1', [['composed', '1', '1'], ['composed', '2', '1']]],
  ['txtSwitchLokDelta', '11５', [['composed', '５', '11']]],
  ['txtSwitchMA', '134', [['put in by a command', '4', '13'], ['put in by a command', '5', '135']]],
]) {
  test(`${id}: ${steps.map(([how, character]) => `${character} ${how}`).join(', ')}; then Undo and Redo`, async () => {
    // A page of its own: its undo history holds this case alone.
    const own = await (await browser.newContext(phone)).newPage();
    const problems = watch(own).problems;
    await own.goto(`${origin}/${folder(opts.lang)}#${panels.find((each) => each.typed === id).fragment}`);
    await ready(own);
    const cdp = await own.context().newCDPSession(own);
    const panel = panels.find((each) => each.typed === id);
    const state = async () => ({ box: await own.inputValue(`#${id}`), ...await shown(own, panel.fromTyped) });
    // The empty box as an edit leaves it (with its result), then key by key.
    await own.focus(`#${id}`);
    await own.keyboard.type(typed[0]);
    await own.keyboard.press('Backspace');
    const held = [await state()];
    for (const key of typed) {
      await own.keyboard.type(key);
      held.push(await state());
    }
    for (const [how, character, box] of steps) {
      if (how === 'composed') {
        await cdp.send('Input.imeSetComposition', { text: character, selectionStart: 1, selectionEnd: 1 });
        await cdp.send('Input.insertText', { text: character });
      } else {
        await own.evaluate((text) => document.execCommand('insertText', false, text), character);
      }
      await eventually(() => own.inputValue(`#${id}`), box, `${character} ${how}`);
      held.push(await state());
    }
    const strays = [];
    for (const [at, key] of HISTORY.entries()) {
      await own.keyboard.press(key);
      const now = await state();
      if (!held.some((one) => JSON.stringify(one) === JSON.stringify(now))) strays.push({ at, key, now });
    }
    assert.deepEqual(strays, [], `held: ${held.map((one) => one.box).join(', ')}`);
    assert.deepEqual(problems, []);
    await own.context().close();
  });
}

test('typed addresses encode as natively, in the window\'s colours', async () => {
  const wrong = [];
  for (const panel of panels.filter((each) => each.address)) {
    await showPanel(page, panel.address);
    for (const [number, lists] of native.encode) {
      const text = String(number);
      if (panel.addressMaxlength && text.length > panel.addressMaxlength) continue;
      await page.fill(`#${panel.address}`, text);
      const got = await shown(page, panel.switchList);
      const want = { text: hexText(lists[panel.decoder]), ...colours.normal };
      if (JSON.stringify(got) !== JSON.stringify(want)) wrong.push({ text, got, want });
    }
    assert.equal(await page.getAttribute(`#${panel.address}`, 'maxlength'),
      panel.addressMaxlength && String(panel.addressMaxlength));
  }
  assert.deepEqual(wrong.slice(0, 5), [], `${wrong.length} differ`);
});

test('the Delta list holds the fifteen native rows', async () => {
  await showPanel(page, 'lstDelta');
  const rows = await page.$$eval('#lstDelta > li', (items) => items.map((item) => item.textContent));
  assert.deepEqual(rows, native.deltaRows.map(hexText));
  assert.equal(await page.$eval('#lstDelta', (list) => getComputedStyle(list).whiteSpace), 'pre');
});

const dialogOpen = () => page.$eval('#dlgInfo', (dialog) => dialog.open);

test('the information dialog shows the program, release, copyright and contact', async () => {
  await page.tap('#cmdInfo');
  await eventually(dialogOpen, true);
  const title = await page.textContent('#dlgInfoTitle');
  const lines = (await page.textContent('#txtInfo')).split('\n');
  assert.equal(title, own.info.title.replace('{product}', 'Velmarit'));
  assert.equal(lines.length, 6);
  assert.equal(lines[0], own.info.lines[0].replace('{product}', 'Velmarit'));
  // The release without its minor number, as the window's box has it.
  assert.match(lines[1], /\s\d+\.\d+$/);
  assert.ok(lines[1].startsWith(own.info.lines[1].split('{')[0]), lines[1]);
  assert.deepEqual([lines[2], lines[4]], ['', '']);
  assert.ok(lines[3].startsWith(own.info.lines[3].split('{')[0]), lines[3]);
  assert.ok(lines[5].startsWith(own.info.lines[5].split('{')[0]), lines[5]);
  // The contact is an address to write to.
  const contact = lines[5].trim().split(/\s+/).at(-1);
  assert.match(contact, /^\S+@\S+$/);
  assert.equal(await page.getAttribute('#txtInfo a', 'href'), `mailto:${contact}`);
  await page.keyboard.press('Escape');
  assert.equal(await dialogOpen(), false);
  await page.tap('#cmdInfo');
  await eventually(dialogOpen, true);
  await page.tap('#cmdInfoOk');
  await eventually(dialogOpen, false);
});

test('on the phone: no sideways scrolling, and every switch a finger-sized target over its lever', async () => {
  const small = [];
  for (const panel of panels) {
    await showPanel(page, `${panel.switches}1`);
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 360);
    for (let n = 1; n <= panel.count; n += 1) {
      const id = `${panel.switches}${n}`;
      const box = await page.locator(`#${id}`).boundingBox();
      const role = await page.$eval(`#${id}`, (element) => element.type);
      if (box.width < 24 || box.height < 44 || role !== 'checkbox') small.push({ id, box, role });
    }
  }
  assert.deepEqual(small, []);
});

test('nothing is asked of another host, and the page reports no error', async () => {
  const foreign = seen.requests.filter((url) => !url.startsWith(origin + '/'));
  assert.deepEqual(foreign, []);
  assert.deepEqual(seen.problems, []);
  const cookies = await page.context().cookies();
  const storage = await page.evaluate(() => [localStorage.length, sessionStorage.length]);
  assert.deepEqual([cookies, storage], [[], [0, 0]]);
});
