// Debian's Firefox ESR, headless, through WebDriver BiDi with Puppeteer (Debian packages no
// geckodriver). A browser's language is a preference, so each language gets a browser of its
// own; each page a browsing context of its own.
'use strict';
const puppeteer = require('puppeteer-core');
const { Page, chord, until, roleNames } = require('./common');

class FirefoxPage extends Page {
  constructor(browser, context, page, frame = page) {
    super((fn, arg) => frame.evaluate(fn, arg));
    Object.assign(this, { browser, context, page });
    this.mouse = {
      move: (x, y) => page.mouse.move(x, y), down: () => page.mouse.down(), up: () => page.mouse.up(),
    };
    this.touch = {
      tap: (x, y) => page.touchscreen.tap(x, y), down: (x, y) => page.touchscreen.touchStart(x, y),
      move: (x, y) => page.touchscreen.touchMove(x, y), up: () => page.touchscreen.touchEnd(),
    };
  }

  async key(keys) {
    const { modifiers, key } = chord(keys);
    const k = key === 'Space' ? ' ' : modifiers.length && key.length === 1 ? key.toLowerCase() : key;
    for (const m of modifiers) await this.page.keyboard.down(m);
    await this.page.keyboard.press(k);
    for (const m of modifiers.reverse()) await this.page.keyboard.up(m);
  }
  type(text) { return this.page.keyboard.type(text); }
  screenshot(file) { return this.page.screenshot({ path: file }); }
  async named(role, name) {
    const found = [];
    for (const r of roleNames(role)) found.push(...await this.page.$$(`aria/${name}[role="${r}"]`));
    return Promise.all(found.map((e) => e.evaluate((x) => x.id)));
  }

  async newTab(action) {
    const created = new Promise((resolve) => this.browser.once('targetcreated', resolve));
    await action();
    const tab = await (await created).page();
    await until(() => tab.url() !== 'about:blank', 'the new tab to load');
    const url = tab.url();
    await tab.close();
    return url;
  }

  async frame(selector) {
    const frame = await (await this.page.$(selector)).contentFrame();
    return new FirefoxPage(this.browser, this.context, this.page, frame);
  }

  close() { return this.context.close(); }
}

async function launch({ page_url }) {
  const browsers = new Map();
  const browser = (locale) => {
    if (!browsers.has(locale)) {
      browsers.set(locale, puppeteer.launch({
        browser: 'firefox', headless: true,
        executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
        extraPrefsFirefox: { 'intl.accept_languages': locale, 'intl.locale.requested': locale },
      }));
    }
    return browsers.get(locale);
  };
  await browser('ru-RU');
  return {
    async open({ width = 1280, height = 800, ratio = 1, touch = false, locale = 'ru-RU',
      url = page_url, allowed = /^(file|data|blob):/ } = {}) {
      const b = await browser(locale);
      const context = await b.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport({ width, height, deviceScaleFactor: ratio, hasTouch: touch, isMobile: touch });
      const requests = [];
      await page.setRequestInterception(true);
      page.on('request', (r) => {
        if (allowed.test(r.url())) return r.continue();
        requests.push(r.url());
        return r.abort();
      });
      const errors = [];
      page.on('pageerror', (e) => errors.push(e.message));
      await page.goto(url);
      const p = new FirefoxPage(b, context, page);
      Object.assign(p, { requests, thrown: errors });
      if (url.startsWith(page_url)) await p.ready();
      return p;
    },
    async close() {
      for (const b of browsers.values()) await (await b).close();
    },
  };
}

module.exports = { launch };
