// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page decides before it is first drawn, so that nothing moves
// once it shows: which decoder a phone shows, and which language the root
// page offers. It runs in the page's head, before the body is read, and
// marks each element as the parser makes it: the observer's answer comes
// before the browser draws what the parser made. The build writes the
// decoder bar's fragments and the languages in.
//
// A phone shows the decoder the address names (#lok, #weichen, #delta),
// else the bar's first; the bar's links only change the address. A wide
// screen shows all three and scrolls to the one asked for. The root page
// offers the first of the other languages that the browser puts before its
// own, and never goes there by itself.
(() => {
  const FRAGMENTS = ['@FRAGMENTS@'];
  const LANGUAGES = ['@LANGUAGES@'];
  const root = document.documentElement;
  root.classList.add('js');
  const preferred = (navigator.languages ?? [])
    .map((lang) => lang.slice(0, 2).toLowerCase())
    .find((lang) => LANGUAGES.includes(lang));
  let chosen = FRAGMENTS[0];

  // The chosen panel and its link in the bar; the offer of the preferred
  // language (the root page alone has offers).
  const mark = () => {
    for (const element of document.querySelectorAll('[data-fragment]')) {
      const current = element.dataset.fragment === chosen;
      if (element.matches('.panel')) element.toggleAttribute('data-chosen', current);
      else if (current) element.setAttribute('aria-current', 'true');
      else element.removeAttribute('aria-current');
    }
    if (preferred) document.querySelector(`.offer[lang="${preferred}"]`)?.classList.add('offered');
  };

  const choose = (scroll) => {
    const wanted = location.hash.slice(1);
    // Another fragment (#tabellen) leaves the choice as it was.
    if (FRAGMENTS.includes(wanted)) chosen = wanted;
    mark();
    const bar = document.querySelector('.chooser');
    if (scroll && bar && FRAGMENTS.includes(wanted) && getComputedStyle(bar).display === 'none') {
      document.querySelector(`.panel[data-fragment="${wanted}"]`).scrollIntoView();
    }
  };
  const parsing = new MutationObserver(mark);
  parsing.observe(root, { childList: true, subtree: true });
  choose(false);
  document.addEventListener('DOMContentLoaded', () => {
    parsing.disconnect();
    choose(true);
  });
  window.addEventListener('hashchange', () => choose(true));
})();
