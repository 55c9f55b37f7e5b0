// What every engine's page does the same way: the reads run as script in the page, the waits
// poll, the pointer aims at an element's centre.
'use strict';
const fs = require('node:fs');

const axe = require.resolve('axe-core/axe.min.js');

function sleep(ms) { return new Promise((resolve) => setTimeout(resolve, ms)); }

async function until(test, what, timeout = 10000) {
  for (const end = Date.now() + timeout; ;) {
    if (await test()) return;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await sleep(20);
  }
}

// Reads in a document; `evaluate(fn, arg)` is the engine's, in the page or one of its frames.
class Document {
  constructor(evaluate) { this.evaluate = evaluate; }

  text(selector) {
    return this.evaluate((s) => {
      const e = document.querySelector(s);
      if (!e) throw new Error(`no element ${s}`);
      return e.textContent;
    }, selector);
  }
  value(selector) {
    return this.evaluate((s) => {
      const e = document.querySelector(s);
      if (!e) throw new Error(`no element ${s}`);
      return e.value;
    }, selector);
  }
  attribute(selector, name) {
    return this.evaluate(([s, n]) => document.querySelector(s).getAttribute(n), [selector, name]);
  }
  box(selector) {
    return this.evaluate((s) => {
      const e = document.querySelector(s);
      if (!e) return null;
      const r = e.getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width, height: r.height };
    }, selector);
  }
  visible(selector) {
    return this.evaluate((s) => {
      const e = document.querySelector(s);
      return !!e && e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
    }, selector);
  }
  count(selector) { return this.evaluate((s) => document.querySelectorAll(s).length, selector); }
  texts(selector) {
    return this.evaluate((s) => [...document.querySelectorAll(s)].map((e) => e.textContent), selector);
  }
  focused() { return this.evaluate(() => document.activeElement && document.activeElement.id); }
  title() { return this.evaluate(() => document.title); }
  focus(selector) { return this.evaluate((s) => { document.querySelector(s).focus(); }, selector); }
  waitFor(selector, { gone = false } = {}) {
    return until(async () => (await this.count(selector) > 0) !== gone,
      `${selector} ${gone ? 'to go' : 'to appear'}`);
  }
  ready() { return this.waitFor('body[data-ready="true"]'); }

  // The canvas pixel under a point of the picture given in CSS pixels, as [r, g, b].
  pixel(x, y) {
    return this.evaluate(([px, py]) => {
      const c = document.getElementById('Picture1');
      const ratio = c.width / c.clientWidth;
      const d = c.getContext('2d').getImageData(Math.round(px * ratio), Math.round(py * ratio), 1, 1);
      return [...d.data.slice(0, 3)];
    }, [x, y]);
  }

  async audit() {
    await this.evaluate((source) => { (0, eval)(source); }, fs.readFileSync(axe, 'utf8'));
    return this.evaluate(async () => JSON.parse(JSON.stringify((await axe.run(document)).violations)));
  }

  async centre(selector) {
    const b = await this.box(selector);
    if (!b) throw new Error(`no element ${selector}`);
    return [b.x + b.width / 2, b.y + b.height / 2];
  }
}

// A page: the reads above, plus what the engine does with its input devices. The engine gives
// `mouse` ({ move(x, y), down, up }), `touch` ({ tap(x, y), down(x, y), move(x, y), up }),
// `key`, `type`.
class Page extends Document {
  async click(selector) {
    const [x, y] = await this.centre(selector);
    await this.mouse.move(x, y);
    await this.mouse.down();
    await this.mouse.up();
  }
  // Playwright's and Puppeteer's pages alike: the question comes as a 'dialog' event. WebKit's
  // page asks in its own way.
  async leave(answer) {
    const asked = new Promise((resolve) => this.page.once('dialog', (d) => {
      resolve(d.type());
      return answer ? d.accept() : d.dismiss();
    }));
    await this.page.close({ runBeforeUnload: true });
    const got = await Promise.race([asked, new Promise((r) => setTimeout(() => r(null), 3000))]);
    if (answer || got === null) await until(() => this.page.isClosed(), 'the page to close');
    return got;
  }
  // The page's uncaught script errors so far.
  async errors() { return this.thrown; }
  async tap(selector) {
    const [x, y] = await this.centre(selector);
    await this.touch.tap(x, y);
  }
}

// 'Control+A' → { modifiers: ['Control'], key: 'A' }.
function chord(keys) {
  const parts = keys.split('+');
  const key = parts.pop() || '+';
  return { modifiers: parts, key };
}

// The physical key of a letter on the Russian keyboard, as KeyboardEvent.code names it.
const russian = 'йцукенгшщзхъфывапролджэячсмитьбю';
const latin = 'qwertyuiop[]asdfghjkl;\'zxcvbnm,.';
const punctuation = { '[': 'BracketLeft', ']': 'BracketRight', ';': 'Semicolon', "'": 'Quote', ',': 'Comma', '.': 'Period' };
function russianCode(letter) {
  const l = latin[russian.indexOf(letter.toLowerCase())];
  return l && (punctuation[l] || `Key${l.toUpperCase()}`);
}

// ARIA 1.3 renamed img to image; Firefox and WebKit compute the new name, Chromium the old.
const roleNames = (role) => (role === 'img' || role === 'image' ? ['img', 'image'] : [role]);

module.exports = { Document, Page, until, sleep, chord, russianCode, roleNames };
