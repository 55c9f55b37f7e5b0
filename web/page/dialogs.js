// The page's windows over Form1: the Authors window, the message box, and the notice of a
// fault inside the program; and the page's language with its few words, which are the program's.
import { on } from './bridge.js';
import { images } from './documents.js';
import { at, form1 } from './viewport.js';

// The program's answer to 'language': its code, the page's title, the close box's name, the
// message box's button and the fault notice with its "{error}". Empty before it answers.
let words = {};
export function speak(record) {
  words = record;
  document.documentElement.lang = record.language;
  document.title = record.title;
}

// The windows' stacking above Form1's controls.
let z = 100;
let window2 = null;

function moveTo(left, top) {
  window2.style.left = `${left}px`;
  window2.style.top = `${top}px`;
}

// The Authors window: a modeless window in the page with a title bar and a close box, made
// from the program's record ({ caption, width, height, image, label }, the last two with
// their names and places, the label with its font).
export const authors = {
  create({ caption, width, height, image, label }) {
    const w = document.createElement('div');
    w.id = 'Form2';
    w.className = 'window';
    w.setAttribute('role', 'dialog');
    w.setAttribute('aria-label', caption);
    const bar = document.createElement('div');
    bar.className = 'title';
    const text = document.createElement('span');
    text.textContent = caption;
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'close';
    close.setAttribute('aria-label', words.close);
    close.textContent = '×';
    close.addEventListener('click', () => authors.close());
    bar.append(text, close);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    const img = document.createElement('img');
    img.id = `Form2-${image.name}`;
    img.alt = '';
    img.src = images().authors;
    const l = document.createElement('div');
    l.id = `Form2-${label.name}`;
    l.style.font = label.font;
    for (const [e, p] of [[img, image], [l, label]]) {
      e.style.left = `${p.left}px`;
      e.style.top = `${p.top}px`;
      e.style.width = `${p.width}px`;
      e.style.height = `${p.height}px`;
    }
    client.append(img, l);
    w.append(bar, client);
    w.hidden = true;
    // Dragged by its title bar, as a window manager moves a window.
    bar.addEventListener('pointerdown', (event) => {
      if (event.target === close) return;
      bar.setPointerCapture(event.pointerId);
      const p = at(event);
      const from = { x: p.x - w.offsetLeft, y: p.y - w.offsetTop };
      bar.onpointermove = (move) => {
        const q = at(move);
        moveTo(q.x - from.x, q.y - from.y);
      };
    });
    bar.addEventListener('pointerup', () => { bar.onpointermove = null; });
    w.addEventListener('pointerdown', () => { w.style.zIndex = ++z; });
    w.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') authors.close();
    });
    // In Form1's pixels, scaled with it.
    form1().append(w);
    window2 = w;
  },
  exists: () => window2 !== null,
  label(text) {
    // A label shows CR LF as one line break.
    window2.querySelector('[id^="Form2-Label"]').textContent = text.replace(/\r\n/g, '\n');
  },
  visible: () => window2 !== null && !window2.hidden,
  show() { window2.hidden = false; },
  frame: () => ({ left: window2.offsetLeft, top: window2.offsetTop, width: window2.offsetWidth,
    height: window2.offsetHeight }),
  move: moveTo,
  raise() {
    window2.style.zIndex = ++z;
    window2.querySelector('.close').focus();
  },
  close() {
    if (!window2) return;
    window2.remove();
    window2 = null;
  },
};

// The message box: modal over the page, the exact title and text, an OK button, no icon. The
// program's handler waits until it is closed.
export function messageBox(text, title) {
  const back = document.activeElement;
  const shade = document.createElement('div');
  shade.className = 'modal';
  const box = document.createElement('div');
  box.className = 'window message';
  box.setAttribute('role', 'alertdialog');
  box.setAttribute('aria-modal', 'true');
  const bar = document.createElement('div');
  bar.className = 'title';
  bar.id = 'message-title';
  bar.textContent = title;
  const body = document.createElement('div');
  body.className = 'message-text';
  body.id = 'message-text';
  body.textContent = text.replace(/\r\n/g, '\n');
  box.setAttribute('aria-labelledby', bar.id);
  box.setAttribute('aria-describedby', body.id);
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  box.append(bar, body, buttons);
  shade.append(box);
  return new Promise((resolve) => {
    const close = () => {
      shade.remove();
      if (back && document.contains(back)) back.focus();
      resolve();
    };
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = words.ok;
    ok.addEventListener('click', close);
    buttons.append(ok);
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        close();
      } else if (event.key === 'Tab') {
        // The focus stays in the box.
        event.preventDefault();
      }
    });
    document.body.append(shade);
    ok.focus();
  });
}

// A fault inside the program leaves its state unknown: the page says so and takes no more input,
// rather than going on as if nothing had happened.
on('fail', (error) => {
  const notice = document.createElement('div');
  notice.className = 'modal';
  notice.setAttribute('role', 'alert');
  const box = document.createElement('div');
  box.className = 'window message';
  box.innerHTML = '<div class="title">Velantra</div><div class="message-text"></div>';
  // A fault before the program could answer has only its own words.
  box.lastChild.textContent = words.fault ? words.fault.replace('{error}', error) : String(error);
  notice.append(box);
  document.body.append(notice);
});
