// Form1's controls on the page: one element per control, its id the control's name, made from
// the program's record of it (web/page_view.cpp), changed as the program tells, and each
// user action on it handed in. The keyboard order and the stacking are the program's too.
import { call } from './bridge.js';
import { css, picture } from './picture.js';
import { scrollBar } from './scroll_bar.js';
import { at } from './viewport.js';

const elements = new Map();
let client = null;
export function attach(area) { client = area; }

function typed(e) {
  // The caret in UTF-16 units, as the program counts it.
  if (!call('typed', { name: e.id, text: e.value, caret: e.selectionStart ?? e.value.length })) {
    e.value = e.dataset.text ?? e.value;
  }
}

function makePicture(d) {
  // Shape1 lies on the picture and is cut off at its edges, as a child control is.
  const frame = document.createElement('div');
  frame.className = 'picture';
  const canvas = document.createElement('canvas');
  canvas.id = d.name;
  canvas.tabIndex = -1;
  // The picture in words: what describes the canvas, and where a run's result is said.
  const words = document.createElement('div');
  words.id = `${d.name}-words`;
  const said = document.createElement('div');
  said.id = `${d.name}-said`;
  said.setAttribute('role', 'status');
  said.setAttribute('aria-live', 'polite');
  for (const e of [words, said]) e.className = 'visually-hidden';
  canvas.setAttribute('aria-describedby', words.id);
  picture.attach(canvas, words, said);
  picture.describe(d.words, false);
  frame.append(canvas, words, said);
  const report = (event) => call('pointer_moved', at(event, canvas));
  canvas.addEventListener('pointermove', report);
  canvas.addEventListener('pointerdown', report);
  return { frame, element: canvas, kind: d.kind };
}

function makeElement(d) {
  let e;
  let bar = null;
  switch (d.kind) {
    case 'shape':
      e = document.createElement('div');
      e.style.borderWidth = `${d.shape.borderWidth}px`;
      e.style.borderColor = css(d.shape.border);
      e.style.backgroundColor = css(d.shape.fill);
      break;
    case 'text':
      e = document.createElement('input');
      e.type = 'text';
      e.value = d.text;
      e.readOnly = d.readOnly;
      e.spellcheck = false;
      e.autocomplete = 'off';
      e.setAttribute('autocorrect', 'off');
      e.setAttribute('autocapitalize', 'off');
      e.addEventListener('input', (event) => {
        if (event.isComposing) return;
        typed(e);
      });
      e.addEventListener('compositionend', () => typed(e));
      break;
    case 'hscroll':
    case 'vscroll':
      bar = scrollBar(d);
      e = bar.element;
      break;
    case 'button':
      e = document.createElement('button');
      e.type = 'button';
      e.textContent = d.text;
      // A click, and Enter or Space on the focused button, which the browser turns into one.
      e.addEventListener('click', () => call('clicked'));
      break;
    default:
      e = document.createElement('div');
      e.textContent = d.text;
      if (d.border) e.classList.add('border');
      if (d.right) e.classList.add('right');
  }
  e.id = d.name;
  e.classList.add(d.kind);
  if (d.font) e.style.font = d.font;
  if (d.back >= 0) e.style.backgroundColor = css(d.back);
  if (d.fore >= 0) e.style.color = css(d.fore);
  if (d.fore === -2) e.style.color = 'CanvasText';
  return { element: e, kind: d.kind, bar };
}

// What assistive technology hears of a control, as the program says it: its role, its name
// (a label's is its caption), its tooltip as the description (the picture's is in words, beside
// it) and a scroll bar's range.
function describe(e, a) {
  if (a.role === 'hidden') {
    e.setAttribute('aria-hidden', 'true');
    return;
  }
  if (a.description) e.title = a.description;
  if (!a.role) return;
  e.setAttribute('role', a.role);
  e.setAttribute('aria-label', a.name);
  if (a.role === 'scrollbar') {
    e.setAttribute('aria-valuemin', a.minimum);
    e.setAttribute('aria-valuemax', a.maximum);
  }
}

function setText(e, text, caret) {
  e.dataset.text = text;
  if (e.value !== text) e.value = text;
  // Only a box with the focus shows its caret; some browsers would move the focus to it.
  if (document.activeElement === e && (e.selectionStart !== caret || e.selectionEnd !== caret)) {
    e.setSelectionRange(caret, caret);
  }
}

function place(item, { left, top, width, height }) {
  const e = item.frame || item.element;
  e.style.left = `${left}px`;
  e.style.top = `${top}px`;
  e.style.width = `${width}px`;
  e.style.height = `${height}px`;
  if (item.frame) {
    item.element.style.width = `${width}px`;
    item.element.style.height = `${height}px`;
  }
  if (item.bar) item.bar.place(width, height);
}

// A change the program tells: the record's fields say what changed.
export function changed(r) {
  const item = elements.get(r.name);
  if (!item) return;
  if ('text' in r) setText(item.element, r.text, r.caret);
  if ('value' in r && item.bar) item.bar.set(r.value, r.position);
  if ('caption' in r) item.element.textContent = r.caption;
  if (r.place) place(item, r.place);
  if ('visible' in r) (item.frame || item.element).hidden = !r.visible;
}

// A control as the program made it, with what is heard of it, its place and whether it shows.
export function make(d) {
  const item = d.kind === 'picture' ? makePicture(d) : makeElement(d);
  elements.set(d.name, item);
  if (d.kind === 'shape') elements.get('Picture1').frame.append(item.element);
  else client.append(item.frame || item.element);
  describe(item.element, d.access);
  changed({ name: d.name, place: d.place, visible: d.visible });
}

// Every control made: `focus` is the keyboard's order, first to last; `stacking` the program's
// from the bottom, which holds where controls overlap.
export function built({ focus, stacking }) {
  // Every control that takes the focus comes in the program's order; the rest take none.
  for (const [name, item] of elements) {
    const e = item.element;
    if (!focus.includes(name)) {
      if (e.tabIndex >= 0 && item.kind !== 'label' && item.kind !== 'shape') e.tabIndex = -1;
    } else {
      e.tabIndex = 0;
    }
  }
  for (const name of focus) {
    const item = elements.get(name);
    client.append(item.frame || item.element);
  }
  // Shape1 lies inside the picture, above its canvas.
  stacking.forEach((name, level) => {
    const item = elements.get(name);
    if (item.kind !== 'shape') (item.frame || item.element).style.zIndex = level + 1;
  });
}

// The page's back colour is Form1's.
export function back(colour) {
  document.documentElement.style.setProperty('--form1-back', css(colour));
}
