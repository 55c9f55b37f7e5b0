// Debian's Chromium under Playwright, with the flags this kind of machine needs (no background
// connections on a closed network); each page in a context of its own.
'use strict';
const { chromium } = require('playwright-core');
const { Page, chord, russianCode } = require('./common');

class ChromiumPage extends Page {
  constructor(context, page, frame = page) {
    super((fn, arg) => frame.evaluate(fn, arg));
    this.context = context;
    this.page = page;
    this.mouse = {
      move: (x, y) => page.mouse.move(x, y), down: () => page.mouse.down(), up: () => page.mouse.up(),
    };
    // Playwright taps only; a finger that stays down goes through the DevTools protocol.
    let cdp = null;
    const finger = async (type, x, y) => {
      cdp ??= await context.newCDPSession(page);
      return cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
    };
    this.touch = {
      tap: (x, y) => page.touchscreen.tap(x, y),
      down: (x, y) => finger('touchStart', x, y), move: (x, y) => finger('touchMove', x, y),
      up: () => finger('touchEnd'),
    };
  }

  async key(keys) {
    const { modifiers, key } = chord(keys);
    const code = russianCode(key);
    if (!code) return this.page.keyboard.press(keys);
    // Playwright's keyboard is a US one; a Russian letter comes as that keyboard sends it.
    const cdp = await this.context.newCDPSession(this.page);
    const bits = { Alt: 1, Control: 2, Meta: 4, Shift: 8 };
    const mask = modifiers.reduce((m, k) => m | bits[k], 0);
    for (const type of ['rawKeyDown', 'keyUp']) {
      await cdp.send('Input.dispatchKeyEvent', { type, modifiers: mask, key, code,
        windowsVirtualKeyCode: code.startsWith('Key') ? code.charCodeAt(3) : 0 });
    }
    return cdp.detach();
  }
  type(text) { return this.page.keyboard.type(text); }
  screenshot(file) { return this.page.screenshot({ path: file }); }
  named(role, name) {
    return this.page.getByRole(role, { name, exact: true }).evaluateAll((es) => es.map((e) => e.id));
  }

  async newTab(action) {
    const [tab] = await Promise.all([this.context.waitForEvent('page'), action()]);
    await tab.waitForURL((u) => u.href !== 'about:blank');
    const url = tab.url();
    await tab.close();
    return url;
  }

  async frame(selector) {
    const frame = await (await this.page.$(selector)).contentFrame();
    return new ChromiumPage(this.context, this.page, frame);
  }

  close() { return this.context.close(); }
}

function chromiumBrowser() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

async function launch({ page_url }) {
  const browser = await chromiumBrowser();
  return {
    async open({ width = 1280, height = 800, ratio = 1, touch = false, locale = 'ru-RU',
      url = page_url, allowed = /^(file|data|blob):/ } = {}) {
      const context = await browser.newContext({
        viewport: { width, height }, deviceScaleFactor: ratio, locale, hasTouch: touch, isMobile: touch,
      });
      if (url.startsWith(page_url)) await context.setOffline(true);
      const requests = [];
      await context.route((u) => !allowed.test(u.href), (route) => {
        requests.push(route.request().url());
        return route.abort();
      });
      const page = await context.newPage();
      const errors = [];
      page.on('pageerror', (e) => errors.push(e.message));
      await page.goto(url);
      const p = new ChromiumPage(context, page);
      Object.assign(p, { requests, thrown: errors });
      if (url.startsWith(page_url)) await p.ready();
      return p;
    },
    close: () => browser.close(),
  };
}

module.exports = { launch };
