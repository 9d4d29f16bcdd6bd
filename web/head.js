// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page decides before it is first drawn, so that nothing moves
// once it shows: which decoder a phone shows, and which language the
// German page offers. It runs in the page's head; the build writes the
// panels' and languages' names in.
//
// A phone shows the decoder the address names (#lok, #weichen, #delta),
// else the first; the bar's links only change the address. A wide screen
// shows all three and scrolls to the one asked for. The German page offers
// the first of English, Dutch and French that the browser puts before
// German, and never goes there by itself.
(() => {
  const FRAGMENTS = ['@FRAGMENTS@'];
  const LANGUAGES = ['@LANGUAGES@'];
  const root = document.documentElement;
  root.classList.add('js');
  const preferred = (navigator.languages ?? [])
    .map((lang) => lang.slice(0, 2).toLowerCase())
    .find((lang) => LANGUAGES.includes(lang));
  if (preferred) root.dataset.prefers = preferred;

  const choose = (scroll) => {
    const wanted = location.hash.slice(1);
    // Another fragment (#tabellen) leaves the choice as it was.
    if (FRAGMENTS.includes(wanted)) root.dataset.panel = wanted;
    else if (!root.dataset.panel) root.dataset.panel = FRAGMENTS[0];
    const bar = document.querySelector('.chooser');
    if (!bar) return;
    for (const link of bar.querySelectorAll('a')) {
      if (link.dataset.fragment === root.dataset.panel) link.setAttribute('aria-current', 'true');
      else link.removeAttribute('aria-current');
    }
    if (scroll && FRAGMENTS.includes(wanted) && getComputedStyle(bar).display === 'none') {
      document.querySelector(`.panel[data-fragment="${wanted}"]`).scrollIntoView();
    }
  };
  choose(false);
  document.addEventListener('DOMContentLoaded', () => choose(true));
  window.addEventListener('hashchange', () => choose(true));
})();
