// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A page in another language than German says nothing in German: not on
// screen with all its panels and tables, not in the information dialog, not
// in an accessible name, description or placeholder; it names its language
// and its manifest speaks it. The German page offers a visitor's own
// language without going there. Usage:
// node languages_test.mjs --site DIR --expected HELPER --lang LANG

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { serve } from './server.mjs';
import {
  barFragments, folder, launch, nativeAnswers, openTables, options, ready, tapped, texts,
} from './support.mjs';

const opts = options();
const own = texts(opts.lang);

// Every string of a tree of texts.
const strings = (tree) => (typeof tree === 'string' ? [tree]
  : Object.values(tree ?? {}).flatMap(strings));
const wordsOf = (list) => new Set(list.flatMap((text) => text.toLowerCase().match(/\p{L}{3,}/gu) ?? []));

// German: the page's texts and what the library writes (tables, results).
const germanTables = strings(nativeAnswers(opts.expected, opts.root).tables);
const german = wordsOf([...strings(texts(opts.root)), ...germanTables, 'ungültig', 'analog', 'keiner']);
// Words this language shares with German ("Delta", "Keyboard", "Adresse" in
// French), the names of the languages, and the build's values are fine.
const allowed = wordsOf([...strings(own), ...opts.languages.map((lang) => texts(lang).name),
  'the Velmarit team', 'the Velmarit developers', 'velmarit@example.org', 'Velmarit']);
const forbidden = [...german].filter((word) => !allowed.has(word));

let server;
let browser;
let origin;

before(async () => {
  server = await serve(opts.site);
  origin = `http://127.0.0.1:${server.address().port}/`;
  browser = await launch();
});

after(async () => {
  await browser?.close();
  server?.close();
});

// The German page is German, and offers the others.
const otherLanguage = opts.lang !== opts.root;

if (otherLanguage) test('no German word on screen, in the dialog or in what a screen reader is told', async () => {
  // A wide screen shows all three panels at once.
  const page = await (await browser.newContext({ viewport: { width: 1280, height: 800 } })).newPage();
  await page.goto(origin + folder(opts.lang));
  await ready(page);
  // Results in their words too: an invalid pattern, analog, a switch list.
  for (const id of ['chkSwitchMA1', 'chkSwitchMA2']) assert.ok(await tapped(page, id, () => page.click(`#${id}`)));
  await page.fill('#txtDigital', '0');
  await openTables(page);
  await page.click('#cmdInfo');
  await page.waitForSelector('#dlgInfo[open]');

  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const told = nodes.flatMap((node) => [node.name?.value, node.description?.value,
    ...(node.properties ?? []).filter((p) => p.name === 'placeholder').map((p) => p.value.value)])
    .filter((text) => typeof text === 'string');
  const shown = await page.evaluate(() => [document.body.innerText, document.title,
    ...[...document.querySelectorAll('[placeholder], [aria-label], [title]')].flatMap((element) =>
      ['placeholder', 'aria-label', 'title'].map((name) => element.getAttribute(name)))]
    .filter(Boolean));
  const found = (list) => [...wordsOf(list)].filter((word) => forbidden.includes(word));
  assert.deepEqual({ shown: found(shown), told: found(told) }, { shown: [], told: [] });
  assert.ok(forbidden.length > 50, `only ${forbidden.length} German words to look for`);
  assert.equal(await page.textContent('#lblAnzeigeMA'), own.library.words.invalid);
  assert.equal(await page.textContent('#lblAnzeigeLokDelta'), own.library.words.analog);
});

test('the page names its language; its manifest speaks it', async () => {
  const page = await (await browser.newContext()).newPage();
  await page.goto(origin + folder(opts.lang));
  await ready(page);
  assert.equal(await page.getAttribute('html', 'lang'), opts.lang);
  const manifestUrl = new URL(await page.getAttribute('link[rel="manifest"]', 'href'), page.url());
  const manifest = await (await page.request.get(manifestUrl.href)).json();
  assert.equal(manifest.lang, opts.lang);
  assert.equal(manifest.description, own.manifest.description);
  assert.equal(new URL(manifest.start_url, manifestUrl).href, new URL(page.url()).href);
  assert.equal(new URL(manifest.id, manifestUrl).href, new URL(page.url()).href);
  assert.deepEqual(manifest.shortcuts.map((shortcut) => shortcut.name),
    barFragments.map((fragment) => own.manifest.shortcuts[fragment]));
  assert.deepEqual(manifest.screenshots.map((shot) => shot.label),
    [own.manifest.screenshots.narrow, own.manifest.screenshots.wide]);
});

if (otherLanguage) test('the German page offers a visitor\'s own language and stays German', async () => {
  const context = await browser.newContext({ locale: `${opts.lang}-${opts.lang.toUpperCase()}` });
  const page = await context.newPage();
  await page.goto(origin);
  await ready(page);
  const offer = page.locator('.languages .offer:visible');
  assert.equal(await offer.textContent(), own.offer);
  assert.equal(await offer.getAttribute('lang'), opts.lang);
  assert.equal(new URL(page.url()).pathname, '/');
  await offer.click();
  await page.waitForURL(`${origin}${folder(opts.lang)}`);
  await ready(page);
  assert.equal(await page.getAttribute('html', 'lang'), opts.lang);
  // A German visitor is offered nothing.
  const germanPage = await (await browser.newContext({ locale: 'de-DE' })).newPage();
  await germanPage.goto(origin);
  await ready(germanPage);
  assert.equal(await germanPage.locator('.languages .offer:visible').count(), 0);
});
