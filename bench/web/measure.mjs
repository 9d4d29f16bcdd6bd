// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's figures, measured (a benchmark, not a test: it passes no
// judgement and fails only when it cannot measure):
// - page weight: every byte the first visit of each language loads,
//   gzipped (-9), and the one-file pages gzipped;
// - tap to result: 1,000 taps on an emulated phone in Debian's Chromium,
//   from the tap's pointerdown to the start of the frame that shows the
//   result, and the Event Timing API's duration (input to next paint);
// - Lighthouse 12.8.2, mobile: performance, accessibility, best practices,
//   first and largest contentful paint, for each language, and for the
//   German page from a server that does not compress.
// Usage: node bench/web/measure.mjs [BUILD_DIR]   (default build/web)

import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { readFileSync, readdirSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';
import { serve } from '../../tests/web/server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const build = path.resolve(process.argv[2] ?? path.join(root, 'build/web'));
const site = path.join(build, 'site');

const gz = (bytes) => gzipSync(bytes, { level: 9 }).length;
const kib = (bytes) => (bytes / 1024).toFixed(1);
const chromiumPath = '/usr/bin/chromium';

const server = await serve(site);
const url = `http://127.0.0.1:${server.address().port}/`;
// Every language's page, as the root page links them in its head.
const pages = [...readFileSync(path.join(site, 'index.html'), 'utf8')
  .matchAll(/<link rel="alternate" hreflang="([\w-]+)" href="([^"]*)">/g)]
  .filter(([, lang]) => lang !== 'x-default')
  .map(([, lang, href]) => [lang, new URL(href, url).href]);
const browser = await chromium.launch({ executablePath: chromiumPath });

// Page weight: what the first visit of each language fetches, the service
// worker's copies included once.
for (const [lang, address] of pages) {
  const context = await browser.newContext();
  const page = await context.newPage();
  const loaded = new Set();
  context.on('request', (request) => loaded.add(new URL(request.url()).pathname));
  await page.goto(address);
  await page.waitForSelector('html[data-ready]');
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForTimeout(500);
  let total = 0;
  const rows = [];
  for (const name of [...loaded].sort()) {
    const file = path.join(site, name.endsWith('/') ? name + 'index.html' : name);
    const size = gz(readFileSync(file));
    total += size;
    rows.push(`  ${name.padEnd(34)} ${String(size).padStart(6)} B`);
  }
  console.log(`page weight (${lang}), gzip -9, everything the first visit loads: ${kib(total)} KiB`);
  console.log(rows.join('\n'));
  await context.close();
}
const wasm = readdirSync(site).find((name) => name.endsWith('.wasm'));
console.log(`  wasm alone ${kib(gz(readFileSync(path.join(site, wasm))))} KiB; one-file pages ` +
  readdirSync(build).filter((name) => /^Velmarit.*\.html$/.test(name)).sort()
    .map((name) => `${name} ${kib(gz(readFileSync(path.join(build, name))))}`).join(', ') + ' KiB');

// Tap to result.
{
  const context = await browser.newContext({
    viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
  });
  const page = await context.newPage();
  await page.goto(url + '#weichen');
  await page.waitForSelector('html[data-ready]');
  await page.evaluate(() => {
    window.tapTimes = [];
    window.paintTimes = [];
    // A tap ends with the finger lifted, and the click follows at once;
    // the result is written in the change handler before the event
    // reaches the switch block.
    // Three parts: the wait before the page sees the click (the browser's
    // and the machine's), the handler (the WebAssembly call and the
    // result written), and the rest to the frame that shows it.
    window.waits = [];
    window.handlers = [];
    window.toFrame = [];
    let tapped = 0;
    let seen = 0;
    let changeStart = 0;
    document.addEventListener('click', (event) => {
      tapped = event.timeStamp;
      seen = performance.now();
      window.waits.push(seen - tapped);
    }, true);
    document.addEventListener('change', () => { changeStart = performance.now(); }, true);
    document.getElementById('lblAnzeigeMA').parentElement.addEventListener('change', () => {
      window.handlers.push(performance.now() - changeStart);
      requestAnimationFrame((frame) => {
        window.tapTimes.push(frame - tapped);
        window.toFrame.push(frame - seen);
      });
    });
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) {
        if (entry.name === 'click') window.paintTimes.push(entry.duration);
      }
    }).observe({ type: 'event', durationThreshold: 16, buffered: false });
  });
  const box = await page.locator('#chkSwitchMA3').boundingBox();
  await page.locator('#chkSwitchMA3').scrollIntoViewIfNeeded();
  const again = await page.locator('#chkSwitchMA3').boundingBox();
  const x = again.x + box.width / 2;
  const y = again.y + box.height / 2;
  const taps = 1000;
  for (let i = 0; i < taps; i += 1) {
    await page.touchscreen.tap(x, y);
  }
  await page.waitForTimeout(100);
  const [times, slow, waits, handlers, toFrame] = await page.evaluate(
    () => [window.tapTimes, window.paintTimes, window.waits, window.handlers, window.toFrame]);
  const sorted = (list) => [...list].sort((a, b) => a - b);
  const median = (list) => sorted(list)[Math.floor(list.length / 2)].toFixed(2);
  console.log(`tap to result written: ${handlers.length} taps, handler median ${median(handlers)} ms,` +
    ` max ${sorted(handlers).at(-1).toFixed(2)} ms; the click reached the page a median` +
    ` ${median(waits)} ms after its time stamp; from the page seeing the click to the frame:` +
    ` median ${median(toFrame)} ms, max ${sorted(toFrame).at(-1).toFixed(1)} ms,` +
    ` ${toFrame.filter((t) => t <= 1000 / 60).length} within one frame`);
  times.sort((a, b) => a - b);
  const at = (q) => times[Math.min(times.length - 1, Math.floor(q * times.length))].toFixed(1);
  const within = times.filter((t) => t <= 1000 / 60).length;
  console.log(`tap to result, ${times.length} taps: from the tap's click to the frame that` +
    ` shows the result: median ${at(0.5)} ms, 95 % ${at(0.95)} ms, max ${times.at(-1).toFixed(1)}` +
    ` ms; ${within} within one frame (16.7 ms); Event Timing (click to next paint):` +
    ` ${slow.length} of ${taps} at 16 ms or more`);
  await context.close();
}
await browser.close();

// Lighthouse, mobile profile (its default), for each language's page; the
// German page once more from a server that does not compress.
const plain = await serve(site, 0, { compress: false });
const targets = [...pages, [`${pages[0][0]}, not compressed`, `http://127.0.0.1:${plain.address().port}/`]];
for (const [name, target] of targets) {
  const lighthouse = path.join(here, 'node_modules/lighthouse/cli/index.js');
  // Run apart from this process, whose event loop serves the site.
  const { stdout } = await promisify(execFile)('node', [lighthouse, target, '--quiet', '--output=json',
    '--only-categories=performance,accessibility,best-practices',
    '--chrome-flags=--headless=new --no-sandbox --disable-dev-shm-usage'], {
    encoding: 'utf8', maxBuffer: 1 << 28, env: { ...process.env, CHROME_PATH: chromiumPath },
  });
  const report = JSON.parse(stdout);
  const score = (category) => Math.round(report.categories[category].score * 100);
  const audit = (audit) => report.audits[audit].displayValue;
  console.log(`Lighthouse ${report.lighthouseVersion}, mobile, ${name}: performance` +
    ` ${score('performance')}, accessibility ${score('accessibility')}, best practices` +
    ` ${score('best-practices')}; first contentful paint ${audit('first-contentful-paint')},` +
    ` largest contentful paint ${audit('largest-contentful-paint')},` +
    ` total blocking time ${audit('total-blocking-time')}`);
}
plain.close();
server.close();
