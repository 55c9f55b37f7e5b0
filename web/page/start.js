// The page around the program: it makes the elements the program's definitions name, mirrors
// what the program tells it, and hands the user's actions in. It decides nothing itself: every
// rule (clamping, wrapping, write-backs, messages, the address) is the program's.
import * as address from './address.js';
import { ask, begin, load, running, shown, timed } from './bridge.js';
import * as controls from './controls.js';
import { authors, messageBox, speak } from './dialogs.js';
import { compile, loadFonts, openDocument, showIcon } from './documents.js';
import * as menus from './menus.js';
import { picture } from './picture.js';
import { tone, wakeOnInput } from './tone.js';
import * as viewport from './viewport.js';

function decimalSeparator() {
  try {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    return parts.find((p) => p.type === 'decimal').value;
  } catch (e) {
    return '.';
  }
}

// What the program's functions on the page call, by these names.
const handlers = {
  picture, authors, messageBox, tone, openDocument,
  make: controls.make, changed: controls.changed, built: controls.built, back: controls.back,
  menu: menus.make, frame: viewport.frame,
};

// All that the first frame needs starts here: the WebAssembly compiles off the main thread
// while the fonts decode and the browser reads its number formats (a first use of them costs
// tens of milliseconds; a worker answers later still).
const compiled = timed('wasm bytes', compile);
const fonts = timed('fonts', loadFonts);
const separator = timed('separator', decimalSeparator);

function start() {
  const form = document.getElementById('Form1');
  const bar = document.createElement('div');
  bar.id = 'menuBar';
  bar.setAttribute('role', 'menubar');
  const client = document.createElement('div');
  client.id = 'client';
  form.append(bar, client);
  menus.attach(bar);
  controls.attach(client);
  // The client area is measured while it is still empty, so the page is laid out with its
  // controls only once, for the focus on ПУСК.
  const first = viewport.prepare(form, bar, client, ask('defined'));
  begin();
  // The language before the window, whose captions are taken as it is made.
  speak(ask('language', { preferences: navigator.languages.join(','), fragment: location.hash }));
  ask('start', { separator, ratio: viewport.ratio() });
  viewport.follow(first);
  timed('focus', () => document.getElementById('CmdOK').focus());
  address.follow();
  wakeOnInput();
  // The browser cannot show the program's own closing question; it asks in its own words.
  window.addEventListener('beforeunload', (event) => {
    if (!running()) return;
    event.preventDefault();
    event.returnValue = '';
  });
}

load(compiled, handlers, () => {
  fonts.then(() => {
    timed('page start', start);
    // What the first frame does not show is made once it is on screen.
    requestAnimationFrame(() => setTimeout(() => {
      shown();
      menus.complete();
      showIcon();
      document.body.dataset.ready = 'true';
    }));
  });
});
