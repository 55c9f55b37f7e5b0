// The scene in the page's address: put in once the window stands (the program reads it), and
// then kept equal to the scene on screen in the current history entry, so that a copied address
// shares what is shown. The program says what to write: each of its answers carries the
// address, "" while it is unchanged (a page opened without one gets one only once the student
// changes something).
import { call, on } from './bridge.js';

let written = null;

function prepare(hash) {
  written = hash;
  // An address in another language than the window's opens the page anew.
  if (call('prepare', { fragment: hash.replace(/^#/, '') })?.reload) location.reload();
}

on('reply', ({ address }) => {
  if (!address) return;
  const hash = `#${address}`;
  if (hash !== location.hash) history.replaceState(history.state, '', hash);
  written = hash;
});

// The address the page was opened with, then each one the user puts in.
export function follow() {
  if (location.hash.length > 1) prepare(location.hash);
  window.addEventListener('hashchange', () => {
    if (location.hash !== written) prepare(location.hash);
  });
}
