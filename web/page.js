'use strict';
// The page around the program: it makes the elements the program's definitions name, mirrors
// what the program tells it, and hands the user's actions in. It decides nothing itself: every
// rule (clamping, wrapping, write-backs, messages) is the program's.

const Velantra = {};

// Calls into the program. While a message box holds a handler suspended, the page takes no
// other action; the last client size is delivered once the handler has finished.
Velantra.suspended = false;
Velantra.pendingSize = null;
Velantra.call = function (name, types, args) {
  if (this.suspended || !this.started) {
    return false;
  }
  let done;
  try {
    done = Module.ccall(name, null, types, args, { async: true });
  } catch (error) {
    this.fail(error);
    return false;
  }
  const fail = (error) => this.fail(error);
  // Once the call has left the program altogether, message boxes and all: only then may the
  // program be asked for the address.
  done.then(() => setTimeout(() => this.address.follow(name)), () => {});
  if (!this.suspended) {
    done.catch(fail);
    return true;
  }
  done.then(() => {
    this.suspended = false;
    if (this.pendingSize) {
      const size = this.pendingSize;
      this.pendingSize = null;
      this.resized(size);
    }
  }, fail);
  return true;
};

Velantra.css = (colour) => `rgb(${colour & 255},${(colour >> 8) & 255},${(colour >> 16) & 255})`;

// Picture1's canvas: picture pixels (CSS pixels) for coordinates, `ratio` device pixels each.
Velantra.picture = {
  canvas: null,
  ctx: null,
  // The picture's CSS font, as the program gives it.
  font: '',
  resize(width, height, ratio, back) {
    const c = this.canvas;
    // Rounded up, so a fractional ratio still covers the last picture pixel.
    c.width = Math.ceil(width * ratio - 1e-9);
    c.height = Math.ceil(height * ratio - 1e-9);
    // An opaque picture: the compositor need not blend it.
    this.ctx = c.getContext('2d', { alpha: false });
    this.ctx.setTransform(c.width / width, 0, 0, c.height / height, 0, 0);
    this.fill(0, 0, width, height, back);
  },
  fill(x, y, w, h, colour) {
    this.ctx.fillStyle = Velantra.css(colour);
    this.ctx.fillRect(x, y, w, h);
  },
  line(x1, y1, x2, y2, width, colour) {
    const ctx = this.ctx;
    ctx.strokeStyle = Velantra.css(colour);
    ctx.lineWidth = width;
    ctx.lineCap = 'round';
    ctx.beginPath();
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.stroke();
  },
  dot(x, y, width, colour) {
    const ctx = this.ctx;
    ctx.fillStyle = Velantra.css(colour);
    if (width <= 1) {
      ctx.fillRect(Math.floor(x), Math.floor(y), 1, 1);
      return;
    }
    ctx.beginPath();
    ctx.arc(x, y, width / 2, 0, 2 * Math.PI);
    ctx.fill();
  },
  circle(x, y, r, width, colour) {
    const ctx = this.ctx;
    ctx.strokeStyle = Velantra.css(colour);
    ctx.lineWidth = width;
    ctx.beginPath();
    ctx.arc(x, y, r, 0, 2 * Math.PI);
    ctx.stroke();
  },
  // The text's top-left corner at (x, y), as the desktop prints it.
  text(x, y, text, colour) {
    const ctx = this.ctx;
    ctx.font = this.font;
    ctx.fillStyle = Velantra.css(colour);
    ctx.textBaseline = 'alphabetic';
    const m = ctx.measureText(text);
    ctx.fillText(text, x, y + (m.fontBoundingBoxAscent ?? m.actualBoundingBoxAscent ?? 0));
  },
};

Velantra.elements = new Map();
Velantra.client = null;

// A caption's access key: "&Файл" shows "Файл" with the Ф underlined.
Velantra.accessKey = function (caption) {
  const at = caption.indexOf('&');
  if (at < 0 || at + 1 >= caption.length) return { text: caption, key: '', html: null };
  const fragment = document.createDocumentFragment();
  fragment.append(caption.slice(0, at));
  const u = document.createElement('u');
  u.textContent = caption[at + 1];
  fragment.append(u, caption.slice(at + 2));
  return { text: caption.slice(0, at) + caption.slice(at + 1), key: caption[at + 1].toLowerCase(),
    html: fragment };
};

// One element per control, its id the control's name.
Velantra.make = function (d) {
  let e;
  switch (d.kind) {
    case 'picture': {
      // Shape1 lies on the picture and is cut off at its edges, as a child control is.
      e = document.createElement('div');
      e.className = 'picture';
      const canvas = document.createElement('canvas');
      canvas.id = d.name;
      canvas.tabIndex = -1;
      this.picture.canvas = canvas;
      e.append(canvas);
      const report = (event) => {
        const r = canvas.getBoundingClientRect();
        const shift = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
        this.call('velantra_pointer', ['number', 'number', 'number', 'number'],
          [event.buttons & 7, shift, (event.clientX - r.left) / this.scale,
            (event.clientY - r.top) / this.scale]);
      };
      canvas.addEventListener('pointermove', report);
      canvas.addEventListener('pointerdown', report);
      this.elements.set(d.name, { frame: e, element: canvas, kind: d.kind });
      this.client.append(e);
      return;
    }
    case 'shape':
      e = document.createElement('div');
      e.style.borderWidth = `${d.shape.borderWidth}px`;
      e.style.borderColor = this.css(d.shape.border);
      e.style.backgroundColor = this.css(d.shape.fill);
      this.elements.get('Picture1').frame.append(e);
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
        this.typed(e);
      });
      e.addEventListener('compositionend', () => this.typed(e));
      break;
    case 'hscroll':
    case 'vscroll':
      e = this.scrollBar(d);
      break;
    case 'button':
      e = document.createElement('button');
      e.type = 'button';
      e.textContent = d.text;
      // A click, and Enter or Space on the focused button, which the browser turns into one.
      e.addEventListener('click', () => this.call('velantra_clicked', [], []));
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
  if (d.back >= 0) e.style.backgroundColor = this.css(d.back);
  if (d.fore >= 0) e.style.color = this.css(d.fore);
  if (d.fore === -2) e.style.color = 'CanvasText';
  this.elements.set(d.name, { element: e, kind: d.kind, def: d, bar: e.velantraBar });
  if (d.kind !== 'shape') this.client.append(e);
};

// What assistive technology hears of a control, as the program says it: its role, its name
// (a label's is its caption), its tooltip as the description and a scroll bar's range.
Velantra.describe = function (name, a) {
  const e = this.elements.get(name).element;
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
};

Velantra.typed = function (e) {
  // The caret in UTF-16 units, as the program counts it.
  if (!this.call('velantra_typed', ['string', 'string', 'number'],
    [e.id, e.value, e.selectionStart ?? e.value.length])) {
    e.value = e.dataset.text ?? e.value;
  }
};

Velantra.setText = function (name, text, caret) {
  const item = this.elements.get(name);
  if (!item) return;
  const e = item.element;
  e.dataset.text = text;
  if (e.value !== text) e.value = text;
  // Only a box with the focus shows its caret; some browsers would move the focus to it.
  if (document.activeElement === e && (e.selectionStart !== caret || e.selectionEnd !== caret)) {
    e.setSelectionRange(caret, caret);
  }
};

Velantra.setCaption = function (name, caption) {
  const item = this.elements.get(name);
  if (!item) return;
  item.element.textContent = caption;
};

Velantra.setVisible = function (name, visible) {
  const item = this.elements.get(name);
  if (item) (item.frame || item.element).hidden = !visible;
};

Velantra.place = function (name, left, top, width, height) {
  const item = this.elements.get(name);
  if (!item) return;
  const e = item.frame || item.element;
  e.style.left = `${left}px`;
  e.style.top = `${top}px`;
  e.style.width = `${width}px`;
  e.style.height = `${height}px`;
  if (item.frame) {
    item.element.style.width = `${width}px`;
    item.element.style.height = `${height}px`;
  }
  // Kept, so that drawing a scroll bar never waits for the page's layout.
  item.width = width;
  item.height = height;
  if (item.bar) this.drawBar(item);
};

// The program's codes of the scroll actions and keys and its wheel notch (velantra_start).
Velantra.scrollCodes = null;

// A scroll bar as the desktop's: arrow buttons, a trough and a thumb whose drag reports only
// on release; keys and the wheel step it. Each action goes to the program as what it is, and
// the program moves the bar: the page only turns pixels into the bar's positions.
Velantra.scrollBar = function (d) {
  const e = document.createElement('div');
  const vertical = d.kind === 'vscroll';
  e.tabIndex = 0;
  e.setAttribute('aria-orientation', vertical ? 'vertical' : 'horizontal');
  const up = document.createElement('div');
  const trough = document.createElement('div');
  const thumb = document.createElement('div');
  const down = document.createElement('div');
  up.className = 'arrow up';
  down.className = 'arrow down';
  trough.className = 'trough';
  thumb.className = 'thumb';
  trough.append(thumb);
  e.append(up, trough, down);
  const bar = { d, vertical, value: d.value, position: d.position, up, down, trough, thumb,
    dragging: null };
  e.velantraBar = bar;
  const codes = this.scrollCodes;

  const act = (action) => this.call('velantra_scrolled', ['string', 'number'], [d.name, action]);
  // Held arrows and trough repeat, after a pause, as the desktop's do.
  let repeat = null;
  const stop = () => { clearTimeout(repeat); repeat = null; };
  const hold = (step) => {
    if (step() === false) return;
    const again = () => { if (step() !== false) repeat = setTimeout(again, 50); };
    repeat = setTimeout(again, 500);
  };
  const along = (event) => {
    const r = trough.getBoundingClientRect();
    return (vertical ? event.clientY - r.top : event.clientX - r.left) / this.scale;
  };
  up.addEventListener('pointerdown', (event) => {
    event.preventDefault(); e.focus(); up.setPointerCapture(event.pointerId); hold(() => act(codes.lineUp));
  });
  down.addEventListener('pointerdown', (event) => {
    event.preventDefault(); e.focus(); down.setPointerCapture(event.pointerId); hold(() => act(codes.lineDown));
  });
  trough.addEventListener('pointerdown', (event) => {
    if (event.target === thumb) return;
    event.preventDefault();
    e.focus();
    trough.setPointerCapture(event.pointerId);
    let at = along(event);
    trough.onpointermove = (move) => { at = along(move); };
    // The trough pages until the thumb reaches the pointer.
    hold(() => {
      if (at < bar.thumbStart) return act(codes.pageUp);
      if (at >= bar.thumbStart + bar.thumbLength) return act(codes.pageDown);
      return false;
    });
  });
  for (const part of [up, down, trough]) {
    part.addEventListener('pointerup', () => { stop(); trough.onpointermove = null; });
    part.addEventListener('pointercancel', () => { stop(); trough.onpointermove = null; });
  }
  thumb.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    e.focus();
    thumb.setPointerCapture(event.pointerId);
    bar.dragging = { from: along(event) - bar.thumbStart };
  });
  thumb.addEventListener('pointermove', (event) => {
    if (!bar.dragging) return;
    bar.dragging.at = Math.min(Math.max(along(event) - bar.dragging.from, 0), bar.room);
    this.drawBar(this.elements.get(d.name));
  });
  const release = () => {
    if (!bar.dragging) return;
    const at = bar.dragging.at;
    bar.dragging = null;
    if (at !== undefined && bar.room > 0) {
      this.call('velantra_thumb_released', ['string', 'number'],
        [d.name, Math.round((at / bar.room) * d.span)]);
    }
    this.drawBar(this.elements.get(d.name));
  };
  thumb.addEventListener('pointerup', release);
  thumb.addEventListener('pointercancel', release);

  e.addEventListener('keydown', (event) => {
    const key = codes.keys[event.key];
    if (key === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    this.call('velantra_scroll_key', ['string', 'number'], [d.name, key]);
  });
  // The turn in the program's units, away from the user positive; a browser's notch is 100
  // pixels or 3 lines.
  e.addEventListener('wheel', (event) => {
    event.preventDefault();
    const delta = (vertical || !event.deltaX ? event.deltaY : event.deltaX);
    const notches = event.deltaMode === 0 ? delta / 100 : event.deltaMode === 1 ? delta / 3 : delta;
    const turn = Math.round(-notches * codes.notch);
    if (turn !== 0) this.call('velantra_wheeled', ['string', 'number'], [d.name, turn]);
  }, { passive: false });
  return e;
};

// The thumb's place from the value, its length from the page step, as on the desktop.
Velantra.drawBar = function (item) {
  const bar = item.bar;
  if (!bar) return;
  const e = item.element;
  const length = (bar.vertical ? item.height : item.width) || 0;
  const thickness = (bar.vertical ? item.width : item.height) || 0;
  const arrow = Math.min(thickness, Math.floor(length / 2));
  const groove = Math.max(0, length - 2 * arrow);
  const span = bar.d.span;
  const thumbLength = Math.min(groove,
    Math.max(Math.min(thickness, groove), Math.round(groove * bar.d.large / (span + bar.d.large))));
  bar.room = groove - thumbLength;
  const fraction = span === 0 ? 0 : bar.position / span;
  bar.thumbStart = bar.dragging && bar.dragging.at !== undefined ? bar.dragging.at
    : Math.round(fraction * bar.room);
  bar.thumbLength = thumbLength;
  const [pos, size, cross] = bar.vertical ? ['top', 'height', 'width'] : ['left', 'width', 'height'];
  bar.up.style[size] = bar.down.style[size] = `${arrow}px`;
  bar.trough.style[pos] = `${arrow}px`;
  bar.trough.style[size] = `${groove}px`;
  bar.thumb.style[pos] = `${bar.thumbStart}px`;
  bar.thumb.style[size] = `${thumbLength}px`;
  bar.thumb.hidden = groove <= 0;
  for (const part of [bar.up, bar.down, bar.trough, bar.thumb]) part.style[cross] = '100%';
  e.setAttribute('aria-valuenow', bar.value);
};

Velantra.setValue = function (name, value, position) {
  const item = this.elements.get(name);
  if (!item || !item.bar) return;
  item.bar.value = value;
  item.bar.position = position;
  this.drawBar(item);
};

// The menu bar: titles with access keys, drop-down entries and separators, by mouse and keys.
Velantra.menus = {
  bar: null,
  list: [],
  open: null,
  returnFocus: null,
  make(name, caption) {
    const title = document.createElement('button');
    const key = Velantra.accessKey(caption);
    title.type = 'button';
    title.id = name;
    title.className = 'menu-title';
    title.tabIndex = -1;
    title.setAttribute('role', 'menuitem');
    title.setAttribute('aria-haspopup', 'menu');
    title.setAttribute('aria-expanded', 'false');
    title.setAttribute('aria-label', key.text);
    if (key.key) title.setAttribute('aria-keyshortcuts', `Alt+${key.key.toUpperCase()}`);
    title.append(key.html || key.text);
    const popup = document.createElement('div');
    popup.className = 'menu';
    popup.id = `${name}-entries`;
    popup.setAttribute('role', 'menu');
    popup.setAttribute('aria-label', key.text);
    popup.hidden = true;
    const menu = { name, title, popup, key: key.key, entries: [] };
    this.list.push(menu);
    title.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      if (this.open === menu) this.close(); else this.show(menu, false);
    });
    title.addEventListener('pointerenter', () => { if (this.open && this.open !== menu) this.show(menu, false); });
    title.addEventListener('keydown', (event) => this.key(event, menu));
    popup.addEventListener('keydown', (event) => this.key(event, menu));
    title.setAttribute('aria-controls', popup.id);
    const holder = document.createElement('div');
    holder.className = 'menu-holder';
    holder.setAttribute('role', 'none');
    holder.append(title, popup);
    this.bar.append(holder);
  },
  entry(menuName, name, caption, separator) {
    const menu = this.list.find((m) => m.name === menuName);
    const e = document.createElement('div');
    e.id = name;
    if (separator) {
      e.setAttribute('role', 'separator');
      e.className = 'separator';
      menu.popup.append(e);
      return;
    }
    const key = Velantra.accessKey(caption);
    e.className = 'entry';
    e.tabIndex = -1;
    e.setAttribute('role', 'menuitem');
    e.setAttribute('aria-label', key.text);
    e.append(key.html || key.text);
    e.addEventListener('click', () => this.choose(name));
    e.addEventListener('pointerenter', () => e.focus());
    menu.entries.push({ e, key: key.key, name });
    menu.popup.append(e);
  },
  show(menu, focusEntry) {
    if (this.open && this.open !== menu) this.hide(this.open);
    if (!this.open) {
      const active = document.activeElement;
      this.returnFocus = active && !this.bar.contains(active) ? active : this.returnFocus;
    }
    this.open = menu;
    menu.popup.hidden = false;
    menu.title.setAttribute('aria-expanded', 'true');
    menu.title.classList.add('open');
    if (focusEntry && menu.entries.length) menu.entries[0].e.focus(); else menu.title.focus();
  },
  hide(menu) {
    menu.popup.hidden = true;
    menu.title.setAttribute('aria-expanded', 'false');
    menu.title.classList.remove('open');
  },
  close() {
    if (this.open) this.hide(this.open);
    this.open = null;
    const back = this.returnFocus;
    this.returnFocus = null;
    if (back && document.contains(back)) back.focus();
  },
  choose(name) {
    this.close();
    Velantra.call('velantra_menu', ['string'], [name]);
  },
  key(event, menu) {
    const entries = menu.entries;
    const at = entries.findIndex((x) => x.e === document.activeElement);
    const index = this.list.indexOf(menu);
    const next = (step) => this.list[(index + step + this.list.length) % this.list.length];
    switch (event.key) {
      case 'Escape': this.close(); break;
      case 'ArrowDown': this.show(menu, false); entries[(at + 1) % entries.length].e.focus(); break;
      case 'ArrowUp': this.show(menu, false);
        entries[(at <= 0 ? entries.length : at) - 1].e.focus(); break;
      case 'ArrowRight': this.show(next(1), true); break;
      case 'ArrowLeft': this.show(next(-1), true); break;
      case 'Home': entries[0].e.focus(); break;
      case 'End': entries[entries.length - 1].e.focus(); break;
      case 'Enter':
      case ' ':
        if (at >= 0) this.choose(entries[at].name); else this.show(menu, true);
        break;
      case 'Tab': this.close(); break;
      default: {
        // An entry's access key chooses it; where two share one, the key moves between them.
        const same = entries.filter((x) => x.key && x.key === event.key.toLowerCase());
        if (same.length === 1) this.choose(same[0].name);
        else if (same.length > 1) {
          const after = same.find((x) => entries.indexOf(x) > at) || same[0];
          after.e.focus();
        } else return;
      }
    }
    event.preventDefault();
    event.stopPropagation();
  },
  // Alt with a title's access key opens that menu; F10 or Alt alone goes to the menu bar.
  global(event) {
    if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.length === 1) {
      const menu = this.list.find((m) => m.key === event.key.toLowerCase());
      if (menu) {
        event.preventDefault();
        this.show(menu, true);
      }
    } else if (event.key === 'F10' && !event.shiftKey) {
      event.preventDefault();
      if (this.open) this.close(); else this.show(this.list[0], false);
    }
  },
};

// Keyboard order: the program's order, first to last.
Velantra.focusOrder = [];
Velantra.focusNext = function (name) {
  this.focusOrder.push(name);
};
Velantra.built = function () {
  // Every control that takes the focus comes in the program's order; the rest take none.
  for (const [name, item] of this.elements) {
    const e = item.element;
    const index = this.focusOrder.indexOf(name);
    if (index < 0) {
      if (e.tabIndex >= 0 && item.kind !== 'label' && item.kind !== 'shape') e.tabIndex = -1;
    } else {
      e.tabIndex = 0;
    }
  }
  for (const name of this.focusOrder) {
    const item = this.elements.get(name);
    this.client.append(item.frame || item.element);
  }
};
// The order above is the keyboard's; where controls overlap, the program's stacking holds.
Velantra.stack = function (name, level) {
  const item = this.elements.get(name);
  // Shape1 lies inside the picture, above its canvas.
  if (item.kind !== 'shape') (item.frame || item.element).style.zIndex = level;
};

// The Authors window: a modeless window in the page with a title bar and a close box.
Velantra.authors = {
  window: null,
  make(caption, width, height, image, label) {
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
    close.setAttribute('aria-label', 'Закрыть');
    close.textContent = '×';
    close.addEventListener('click', () => this.close());
    bar.append(text, close);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    const img = document.createElement('img');
    img.id = `Form2-${image.name}`;
    img.alt = '';
    img.src = Velantra.images.authors;
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
      const s = Velantra.scale;
      const from = { x: event.clientX / s - w.offsetLeft, y: event.clientY / s - w.offsetTop };
      bar.onpointermove = (move) => this.move(move.clientX / s - from.x, move.clientY / s - from.y);
    });
    bar.addEventListener('pointerup', () => { bar.onpointermove = null; });
    w.addEventListener('pointerdown', () => { w.style.zIndex = ++Velantra.z; });
    w.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') this.close();
    });
    // In Form1's pixels, scaled with it.
    Velantra.form1.append(w);
    this.window = w;
  },
  exists() { return this.window !== null; },
  create(...args) { this.make(...args); },
  label(text) {
    // A label shows CR LF as one line break.
    this.window.querySelector('[id^="Form2-Label"]').textContent = text.replace(/\r\n/g, '\n');
  },
  visible() { return this.window !== null && !this.window.hidden; },
  show() { this.window.hidden = false; },
  frame() {
    const w = this.window;
    return [w.offsetLeft, w.offsetTop, w.offsetWidth, w.offsetHeight];
  },
  move(left, top) {
    this.window.style.left = `${left}px`;
    this.window.style.top = `${top}px`;
  },
  raise() {
    this.window.style.zIndex = ++Velantra.z;
    this.window.querySelector('.close').focus();
  },
  close() {
    if (!this.window) return;
    this.window.remove();
    this.window = null;
  },
};

// The message box: modal over the page, the exact title and text, an OK button, no icon. The
// program's handler waits until it is closed.
Velantra.messageBox = function (text, title) {
  this.suspended = true;
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
    ok.textContent = 'OK';
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
};

// 880 Hz for 300 ms through Web Audio; a page that may not sound yet goes on at once.
Velantra.audio = null;
Velantra.tone = function (frequency, ms) {
  this.suspended = true;
  const ctx = this.audio;
  if (!ctx || ctx.state !== 'running') return Promise.resolve();
  return new Promise((resolve) => {
    const oscillator = ctx.createOscillator();
    const gain = ctx.createGain();
    oscillator.frequency.value = frequency;
    gain.gain.value = 0.2;
    oscillator.connect(gain).connect(ctx.destination);
    oscillator.onended = resolve;
    oscillator.start();
    oscillator.stop(ctx.currentTime + ms / 1000);
    setTimeout(resolve, ms + 100);
  });
};
// Browsers let a page sound only after the user has acted on it.
Velantra.wakeAudio = function () {
  try {
    if (!this.audio) this.audio = new AudioContext();
    if (this.audio.state === 'suspended') this.audio.resume();
  } catch (e) {
    this.audio = null;
  }
};

// The bytes of one of the page's base64 data blocks.
Velantra.bytes = function (block) {
  const text = block.textContent.trim();
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
};

// The documents are data at the end of the page, read only when one is asked for; each opens
// in a new tab.
Velantra.openDocument = function (name) {
  const block = [...document.querySelectorAll('script.velantra-document')]
    .find((s) => s.dataset.name === name);
  if (!block) return;
  block.url ??= URL.createObjectURL(new Blob([this.bytes(block)], { type: block.dataset.type }));
  window.open(block.url, '_blank');
};

// The scene in the page's address: put in once the window stands (the program reads it), and
// then kept equal to the scene on screen in the current history entry, so that a copied address
// shares what is shown. A page opened without one gets one only once the student changes something.
Velantra.address = {
  written: null,
  prepare(hash) {
    this.written = hash;
    Velantra.call('velantra_prepare', ['string'], [hash.replace(/^#/, '')]);
  },
  follow(call) {
    if (!Velantra.started || Velantra.suspended || call === 'velantra_pointer' ||
      (call === 'velantra_resized' && !location.hash)) return;
    const hash = `#${Module.ccall('velantra_address', 'string', [], [])}`;
    if (hash !== location.hash) history.replaceState(history.state, '', hash);
    this.written = hash;
  },
};

// The page is Form1's window: the client area lies below the menu bar.
Velantra.frame = function () {
  return { width: this.form1.offsetWidth, height: this.form1.offsetHeight };
};

// Form1 is never laid out smaller than its defined client size below the menu bar: in a
// smaller viewport it is laid out at the viewport's size divided by the largest factor that
// brings that size inside, and shown scaled by it, as a desktop zoomed out.
Velantra.defined = null;
Velantra.scale = 1;
Velantra.fit = function () {
  const view = document.documentElement;
  const least = { width: this.defined.width,
    height: this.defined.height + this.menus.bar.offsetHeight };
  const scale = Math.min(1, view.clientWidth / least.width, view.clientHeight / least.height);
  const style = this.form1.style;
  // The division's rounding never takes it below the least size.
  style.width = scale < 1 ? `${Math.max(view.clientWidth / scale, least.width)}px` : '';
  style.height = scale < 1 ? `${Math.max(view.clientHeight / scale, least.height)}px` : '';
  style.transform = scale < 1 ? `scale(${scale})` : '';
  const changed = scale !== this.scale;
  this.scale = scale;
  if (changed && this.started) this.call('velantra_ratio_changed', ['number'], [this.ratio()]);
};
// Device pixels to one of the picture's pixels.
Velantra.ratio = function () { return (window.devicePixelRatio || 1) * this.scale; };
Velantra.z = 100;
Velantra.lastSize = null;
Velantra.resized = function (size) {
  const last = this.lastSize;
  if (last && last.width === size.width && last.height === size.height) return;
  if (this.call('velantra_resized', ['number', 'number'], [size.width, size.height])) {
    this.lastSize = size;
  } else {
    this.pendingSize = size;
  }
};

// A fault inside the program leaves its state unknown: the page says so and takes no more input,
// rather than going on as if nothing had happened.
Velantra.fail = function (error) {
  if (this.failed) return;
  this.failed = true;
  this.started = false;
  this.suspended = true;
  const notice = document.createElement('div');
  notice.className = 'modal';
  notice.setAttribute('role', 'alert');
  const box = document.createElement('div');
  box.className = 'window message';
  box.innerHTML = '<div class="title">Velantra</div><div class="message-text"></div>';
  box.lastChild.textContent = `Программа остановилась из-за внутренней ошибки:\n${error}\n\n` +
    'Откройте страницу заново.';
  notice.append(box);
  document.body.append(notice);
};

Velantra.decimalSeparator = function () {
  try {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    return parts.find((p) => p.type === 'decimal').value;
  } catch (e) {
    return '.';
  }
};

// The fonts are data blocks before the page's script, each face the build embeds, decoded from
// their bytes; the program starts once they are ready to draw with.
Velantra.fontsReady = function () {
  return Promise.all([...document.querySelectorAll('script.velantra-font')].map((block) => {
    const face = new FontFace(block.dataset.family, this.bytes(block),
      { weight: block.dataset.weight, style: 'normal' });
    document.fonts.add(face);
    return face.load();
  }));
};

Velantra.start = function () {
  this.images = JSON.parse(document.getElementById('velantra-images').textContent);
  const form = document.getElementById('Form1');
  this.form1 = form;
  this.menus.bar = document.createElement('div');
  this.menus.bar.id = 'menuBar';
  this.menus.bar.setAttribute('role', 'menubar');
  this.client = document.createElement('div');
  this.client.id = 'client';
  form.append(this.menus.bar, this.client);
  this.defined = { width: Module._velantra_defined_width(),
    height: Module._velantra_defined_height() };
  this.fit();
  this.started = true;
  // The client area is measured while it is still empty, so the page is laid out with its
  // controls only once, for the focus on ПУСК.
  const size = () => ({ width: this.client.clientWidth, height: this.client.clientHeight });
  const first = size();
  Module.ccall('velantra_start', null, ['string', 'number'], [this.separator, this.ratio()]);
  this.resized(first);
  document.getElementById('CmdOK').focus();
  if (location.hash.length > 1) this.address.prepare(location.hash);
  window.addEventListener('hashchange', () => {
    if (location.hash !== this.address.written) this.address.prepare(location.hash);
  });
  window.addEventListener('resize', () => this.fit());
  new ResizeObserver(() => this.resized(size())).observe(this.client);
  // A new ratio without a new size (another screen) still needs a sharper back buffer.
  const watchRatio = () => {
    const ratio = window.devicePixelRatio || 1;
    matchMedia(`(resolution: ${ratio}dppx)`).addEventListener('change', () => {
      this.call('velantra_ratio_changed', ['number'], [this.ratio()]);
      watchRatio();
    }, { once: true });
  };
  watchRatio();

  document.addEventListener('keydown', (event) => {
    if (!this.suspended) this.menus.global(event);
  });
  document.addEventListener('pointerdown', (event) => {
    if (this.menus.open && !this.menus.bar.contains(event.target)) this.menus.close();
  });
  for (const type of ['pointerdown', 'keydown']) {
    document.addEventListener(type, () => this.wakeAudio(), { capture: true });
  }
  // The browser cannot show the program's own closing question; it asks in its own words.
  window.addEventListener('beforeunload', (event) => {
    if (!this.started) return;
    event.preventDefault();
    event.returnValue = '';
  });
};

// All that the first frame needs starts here: the WebAssembly compiles off the main thread
// while the fonts decode and the browser reads its number formats (a first use of them costs
// tens of milliseconds; a worker answers later still).
Velantra.compiled = WebAssembly.compile(Velantra.bytes(document.getElementById('velantra-wasm')));
Velantra.fonts = Velantra.fontsReady();
Velantra.separator = Velantra.decimalSeparator();
var Module = {
  instantiateWasm(imports, receive) {
    Velantra.compiled.then((module) => WebAssembly.instantiate(module, imports)
      .then((instance) => receive(instance, module)))
      .catch((error) => Velantra.fail(error));
    return {};
  },
  onAbort(what) { Velantra.fail(what); },
  onRuntimeInitialized() {
    Velantra.fonts.then(() => {
      Velantra.start();
      requestAnimationFrame(() => { document.body.dataset.ready = 'true'; });
    });
  },
};
