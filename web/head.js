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
// else the bar's first, as a fresh load of that address would; the bar's
// links only change the address, and Back and Forward go with it. A wide
// screen shows all three and scrolls to the one asked for. The root page
// offers the first of the other languages that the browser puts before its
// own, and never goes there by itself.
//
// It also owns the page's start: until the page's script says it has
// started (data-ready), a box takes no text; when a file of the page does
// not come (its script or style, refused by their digests too, or the
// loader or the WebAssembly, which the script reports), or nothing has
// started within a while (a stalled proxy, say), it says in the page's
// language that the page could not start and what to try, and disables
// the controls. A file that did not come is for good (data-broken): the
// page stays so even if the codes start after all, for it would run
// without its style or with a script of no release. A start that only took
// long may still come: then the page starts.
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
    chosen = FRAGMENTS.includes(wanted) ? wanted : FRAGMENTS[0];
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

  const START_PATIENCE_MS = 20000;
  const started = () => 'ready' in root.dataset;
  const afterParsing = (then) => {
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', then);
    else then();
  };
  const fail = (broken) => afterParsing(() => {
    if (started()) return;
    if (broken) root.dataset.broken = '';
    if ('failed' in root.dataset) return;
    root.dataset.failed = '';
    const { messages } = JSON.parse(document.getElementById('velmaritData').textContent);
    const lines = navigator.onLine ? [messages.startFailed] : [messages.startFailed, messages.offline];
    document.getElementById('msgStart').replaceChildren(...lines.map((text) => {
      const line = document.createElement('p');
      line.textContent = text;
      return line;
    }));
    for (const input of document.querySelectorAll('.panel input')) input.disabled = true;
  });
  setTimeout(() => fail(false), START_PATIENCE_MS);
  window.addEventListener('error', (event) => {
    if (event.target.matches?.('script, link[rel="stylesheet"]')) fail(true);
  }, true);
  document.addEventListener('velmarit-failed', () => fail(true));
  document.addEventListener('beforeinput', (event) => {
    if (!started() && event.inputType.startsWith('insert')) event.preventDefault();
  }, true);
})();
