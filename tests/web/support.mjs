// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the command line, the page's texts in each
// language, the native library's answers in those words, Debian's Chromium
// on an emulated phone, the decoder bar, and a record of every request and
// console message a page makes.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { isDeepStrictEqual } from 'node:util';
import { chromium } from 'playwright-core';

export function options() {
  const args = process.argv.slice(2);
  const value = (name) => {
    const i = args.indexOf(name);
    return i >= 0 ? args[i + 1] : undefined;
  };
  // The site's languages, as the build was given them; the first is the
  // site's root and the library's own language.
  const languages = value('--languages').split(',');
  return {
    site: value('--site'),
    onefile: value('--onefile'),
    expected: value('--expected'),
    languages,
    root: languages[0],
    lang: value('--lang') ?? languages[0],
    next: value('--next'),
  };
}

// The panel list the pages are made from (the static page test holds it
// equal to the window's layout): the panels in the window's order, and the
// phone's decoder bar.
export const { panels, bar } =
  JSON.parse(readFileSync(new URL('../../web/panels.json', import.meta.url), 'utf8'));
export const panelOf = (decoder) => panels.find((panel) => panel.decoder === decoder);
export const barFragments = bar.map((decoder) => panelOf(decoder).fragment);

// A language's texts, as the build read them.
export function texts(lang) {
  const file = new URL(`../../texts/${lang}.json`, import.meta.url);
  return JSON.parse(readFileSync(file, 'utf8'));
}

// Where a language's page is: the site's root, or the language's folder;
// and its one-file page beside the root language's.
const { root } = options();
export const folder = (lang) => (lang === root ? '' : `${lang}/`);
export const onefileOf = (rootFile, lang) =>
  (lang === root ? rootFile : rootFile.replace(/\.html$/, `-${lang}.html`));

// The words the codes write in a language, for the native helper; none
// where the language keeps the library's own (German).
function words(lang) {
  const own = texts(lang).library?.words;
  return own ? [own.invalid, own.analog, own.noSwitchOn] : [];
}

export const hexText = (hex) => Buffer.from(hex, 'hex').toString('utf8');

// What the native library answers, in the words of `lang`.
export function nativeAnswers(helper, lang = root) {
  return JSON.parse(execFileSync(helper, words(lang), { maxBuffer: 1 << 28, encoding: 'utf8' }));
}

export const chromiumPath = process.env.VELMARIT_CHROMIUM ?? '/usr/bin/chromium';

export const phone = {
  viewport: { width: 360, height: 740 },
  deviceScaleFactor: 3,
  isMobile: true,
  hasTouch: true,
  locale: 'de-DE',
};

export function scratchFolder(name) {
  return mkdtempSync(path.join(os.tmpdir(), `velmarit-${name}-`));
}

export function launch() {
  return chromium.launch({ executablePath: chromiumPath });
}

export function launchPersistent(folder, extra = {}) {
  return chromium.launchPersistentContext(folder, { executablePath: chromiumPath, ...phone, ...extra });
}

// Every request, console message and page error of a page, for the
// checks that nothing leaves the phone and nothing goes wrong quietly.
export function watch(page) {
  const seen = { requests: [], problems: [] };
  page.on('request', (request) => seen.requests.push(request.url()));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') {
      seen.problems.push(`${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => seen.problems.push(`pageerror: ${error.message}`));
  return seen;
}

export async function ready(page) {
  await page.waitForSelector('html[data-ready]');
}

// The page answers some actions a task or a frame later than the action
// returns: a tap's click comes from the browser's gesture, a link's
// fragment arrives with hashchange. A test waits for the state it checks:
// `read()` until it gives `want`, and fails with what it gave last once the
// deadline has passed. (Keys and inserted text reach the page before
// Playwright's call returns; a mouse click's handlers have run by then.)
export async function eventually(read, want, message, timeout = 10000) {
  const deadline = Date.now() + timeout;
  for (;;) {
    const got = await read();
    if (isDeepStrictEqual(got, want) || Date.now() > deadline) {
      assert.deepEqual(got, want, message);
      return;
    }
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

// Taps a switch (or any checkbox) by `tap` and waits until its change has
// reached the page; false when it never does. The change handler runs in
// the same task as the switch turns, so its result is there too.
export async function tapped(page, id, tap, timeout = 5000) {
  const before = await page.isChecked(`#${id}`);
  await tap();
  return page.waitForFunction(([element, was]) => document.getElementById(element).checked !== was,
    [id, before], { timeout }).then(() => true, () => false);
}

// Brings a panel on screen as a person does: where the page shows one
// decoder at a time, by its button in the decoder bar. `control` is the id
// of any control in the panel.
export async function showPanel(page, control) {
  const fragment = await page.$eval(`#${control}`, (element) => element.closest('.panel').dataset.fragment);
  const button = page.locator(`.chooser a[data-fragment="${fragment}"]`);
  if (await button.isVisible() && await button.getAttribute('aria-current') === null) {
    await button.click();
    await page.waitForSelector(`.chooser a[data-fragment="${fragment}"][aria-current]`);
  }
  await page.locator(`#${control}`).scrollIntoViewIfNeeded();
}

// The panels a screen shows, by id.
export const shownPanels = (page) =>
  page.$$eval('.panel', (list) => list.filter((panel) => panel.offsetParent).map((panel) => panel.id));

// Goes to the coding tables as a person does, by the header's link, and
// waits until they are built.
export async function openTables(page) {
  await page.click('.top .tablelink');
  await page.waitForSelector('#tabellen[data-ready]');
}

// Waits until the service worker controls the page.
export async function controlled(page) {
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => {
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
      });
    }
  });
}

// The text and colours a result element shows.
export function shown(page, id) {
  return page.$eval(`#${id}`, (element) => {
    const style = getComputedStyle(element);
    return { text: element.textContent, back: style.backgroundColor, fore: style.color };
  });
}

export const colours = {
  normal: { back: 'rgb(0, 0, 0)', fore: 'rgb(0, 255, 255)' },
  highlight: { back: 'rgb(255, 0, 0)', fore: 'rgb(255, 255, 255)' },
};
