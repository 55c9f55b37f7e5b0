// The menu bar: titles with access keys, drop-down entries and separators, by mouse and keys;
// a chosen entry goes to the program by its name.
import { call, idle } from './bridge.js';

let bar = null;
const list = [];
let open = null;
let returnFocus = null;

// A caption's access key: "&Файл" shows "Файл" with the Ф underlined.
function accessKey(caption) {
  const at = caption.indexOf('&');
  if (at < 0 || at + 1 >= caption.length) return { text: caption, key: '', html: null };
  const fragment = document.createDocumentFragment();
  fragment.append(caption.slice(0, at));
  const u = document.createElement('u');
  u.textContent = caption[at + 1];
  fragment.append(u, caption.slice(at + 2));
  return { text: caption.slice(0, at) + caption.slice(at + 1), key: caption[at + 1].toLowerCase(),
    html: fragment };
}

// A menu's entries are made when it first opens, or once the first frame is shown, which shows
// none of them.
function fill(menu) {
  if (!menu.pending) return;
  for (const e of menu.pending) entry(menu, e);
  menu.pending = null;
}
export function complete() { list.forEach(fill); }

function show(menu, focusEntry) {
  fill(menu);
  if (open && open !== menu) hide(open);
  if (!open) {
    const active = document.activeElement;
    returnFocus = active && !bar.contains(active) ? active : returnFocus;
  }
  open = menu;
  menu.popup.hidden = false;
  menu.title.setAttribute('aria-expanded', 'true');
  menu.title.classList.add('open');
  if (focusEntry && menu.entries.length) menu.entries[0].e.focus(); else menu.title.focus();
}

function hide(menu) {
  menu.popup.hidden = true;
  menu.title.setAttribute('aria-expanded', 'false');
  menu.title.classList.remove('open');
}

function close() {
  if (open) hide(open);
  open = null;
  const back = returnFocus;
  returnFocus = null;
  if (back && document.contains(back)) back.focus();
}

function choose(name) {
  close();
  call('menu_chosen', { entry: name });
}

function key(event, menu) {
  const entries = menu.entries;
  const at = entries.findIndex((x) => x.e === document.activeElement);
  const index = list.indexOf(menu);
  const next = (step) => list[(index + step + list.length) % list.length];
  switch (event.key) {
    case 'Escape': close(); break;
    case 'ArrowDown': show(menu, false); entries[(at + 1) % entries.length].e.focus(); break;
    case 'ArrowUp': show(menu, false);
      entries[(at <= 0 ? entries.length : at) - 1].e.focus(); break;
    case 'ArrowRight': show(next(1), true); break;
    case 'ArrowLeft': show(next(-1), true); break;
    case 'Home': entries[0].e.focus(); break;
    case 'End': entries[entries.length - 1].e.focus(); break;
    case 'Enter':
    case ' ':
      if (at >= 0) choose(entries[at].name); else show(menu, true);
      break;
    case 'Tab': close(); break;
    default: {
      // An entry's access key chooses it; where two share one, the key moves between them.
      const same = entries.filter((x) => x.key && x.key === event.key.toLowerCase());
      if (same.length === 1) choose(same[0].name);
      else if (same.length > 1) {
        const after = same.find((x) => entries.indexOf(x) > at) || same[0];
        after.e.focus();
      } else return;
    }
  }
  event.preventDefault();
  event.stopPropagation();
}

function entry(menu, { name, caption, separator }) {
  const e = document.createElement('div');
  e.id = name;
  if (separator) {
    e.setAttribute('role', 'separator');
    e.className = 'separator';
    menu.popup.append(e);
    return;
  }
  const k = accessKey(caption);
  e.className = 'entry';
  e.tabIndex = -1;
  e.setAttribute('role', 'menuitem');
  e.setAttribute('aria-label', k.text);
  e.append(k.html || k.text);
  e.addEventListener('click', () => choose(name));
  e.addEventListener('pointerenter', () => e.focus());
  menu.entries.push({ e, key: k.key, name });
  menu.popup.append(e);
}

// One menu as the program defines it: { name, caption, entries: [{ name, caption, separator }] }.
export function make({ name, caption, entries }) {
  const title = document.createElement('button');
  const k = accessKey(caption);
  title.type = 'button';
  title.id = name;
  title.className = 'menu-title';
  title.tabIndex = -1;
  title.setAttribute('role', 'menuitem');
  title.setAttribute('aria-haspopup', 'menu');
  title.setAttribute('aria-expanded', 'false');
  title.setAttribute('aria-label', k.text);
  if (k.key) title.setAttribute('aria-keyshortcuts', `Alt+${k.key.toUpperCase()}`);
  title.append(k.html || k.text);
  const popup = document.createElement('div');
  popup.className = 'menu';
  popup.id = `${name}-entries`;
  popup.setAttribute('role', 'menu');
  popup.setAttribute('aria-label', k.text);
  popup.hidden = true;
  const menu = { name, title, popup, key: k.key, entries: [], pending: entries };
  list.push(menu);
  title.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    if (open === menu) close(); else show(menu, false);
  });
  title.addEventListener('pointerenter', () => { if (open && open !== menu) show(menu, false); });
  title.addEventListener('keydown', (event) => key(event, menu));
  popup.addEventListener('keydown', (event) => key(event, menu));
  title.setAttribute('aria-controls', popup.id);
  const holder = document.createElement('div');
  holder.className = 'menu-holder';
  holder.setAttribute('role', 'none');
  holder.append(title, popup);
  bar.append(holder);
}

// Alt with a title's access key opens that menu; F10 or Alt alone goes to the menu bar; a press
// outside the bar closes an open menu.
export function attach(element) {
  bar = element;
  document.addEventListener('keydown', (event) => {
    if (!idle()) return;
    if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.length === 1) {
      const menu = list.find((m) => m.key === event.key.toLowerCase());
      if (menu) {
        event.preventDefault();
        show(menu, true);
      }
    } else if (event.key === 'F10' && !event.shiftKey) {
      event.preventDefault();
      if (open) close(); else show(list[0], false);
    }
  });
  document.addEventListener('pointerdown', (event) => {
    if (open && !bar.contains(event.target)) close();
  });
}
