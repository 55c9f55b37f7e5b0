// WebKitGTK, Safari's engine: its MiniBrowser through WebKitWebDriver and Selenium. The
// MiniBrowser has no headless mode, so it runs on an Xvfb of its own; its language comes from
// the C locale and its device pixel ratio from GDK_SCALE, so each pair has a driver of its own.
// WebDriver classic sees neither requests nor script errors: a proxy on this machine records
// and refuses every request, and a listener in the page collects the errors.
'use strict';
const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const { Builder, Key, Origin } = require('selenium-webdriver');
const { Pointer } = require('selenium-webdriver/lib/input');
const { Page, chord, until, russianCode, roleNames } = require('./common');

const binary = process.env.MINIBROWSER ||
  ['webkit2gtk-4.1', 'webkitgtk-6.0'].map((d) => `/usr/lib/x86_64-linux-gnu/${d}/MiniBrowser`).find(fs.existsSync);
const keys = {
  Enter: Key.ENTER, Tab: Key.TAB, End: Key.END, Home: Key.HOME, Escape: Key.ESCAPE,
  Backspace: Key.BACK_SPACE, Delete: Key.DELETE, Space: ' ', ArrowDown: Key.ARROW_DOWN,
  ArrowUp: Key.ARROW_UP, ArrowLeft: Key.ARROW_LEFT, ArrowRight: Key.ARROW_RIGHT, PageUp: Key.PAGE_UP,
  PageDown: Key.PAGE_DOWN, F10: Key.F10, Control: Key.CONTROL, Alt: Key.ALT, Shift: Key.SHIFT,
};

const run = (fn, arg) => [`return (${fn}).apply(null, arguments)`, arg];

class WebKitPage extends Page {
  constructor(driver, into = null) {
    super(async (fn, arg) => {
      if (!into) return driver.executeScript(...run(fn, arg));
      await driver.switchTo().frame(await driver.findElement({ css: into }));
      try { return await driver.executeScript(...run(fn, arg)); } finally { await driver.switchTo().defaultContent(); }
    });
    this.driver = driver;
    const at = (x, y) => ({ origin: Origin.VIEWPORT, x: Math.round(x), y: Math.round(y) });
    this.mouse = {
      move: (x, y) => driver.actions().move(at(x, y)).perform(),
      down: () => driver.actions().press().perform(),
      up: () => driver.actions().release().perform(),
    };
    // One finger, whose state the session keeps between the actions.
    const finger = (steps) => {
      const f = new Pointer('finger', Pointer.Type.TOUCH);
      return driver.actions().insert(f, ...steps(f)).perform();
    };
    this.touch = {
      tap: (x, y) => finger((f) => [f.move(at(x, y)), f.press(), f.release()]),
      down: (x, y) => finger((f) => [f.move(at(x, y)), f.press()]),
      move: (x, y) => finger((f) => [f.move(at(x, y))]),
      up: () => finger((f) => [f.release()]),
    };
  }

  async key(combo) {
    const { modifiers, key } = chord(combo);
    // WebKitGTK presses only keys of the X keymap (a US one): a letter of another script is
    // handed to the page as the keyboard events that layout would give.
    if (russianCode(key)) {
      return this.evaluate(([k, code, mods]) => {
        const init = { key: k, code, bubbles: true, cancelable: true, altKey: mods.includes('Alt'),
          ctrlKey: mods.includes('Control'), shiftKey: mods.includes('Shift') };
        const target = document.activeElement || document.body;
        target.dispatchEvent(new KeyboardEvent('keydown', init));
        target.dispatchEvent(new KeyboardEvent('keyup', init));
      }, [key, russianCode(key), modifiers]);
    }
    const k = keys[key] ?? (modifiers.length ? key.toLowerCase() : key);
    let a = this.driver.actions();
    for (const m of modifiers) a = a.keyDown(keys[m]);
    a = a.keyDown(k).keyUp(k);
    for (const m of modifiers.reverse()) a = a.keyUp(keys[m]);
    return a.perform();
  }
  type(text) { return this.driver.actions().sendKeys(text).perform(); }
  async screenshot(file) { fs.writeFileSync(file, await this.driver.takeScreenshot(), 'base64'); }
  errors() { return this.evaluate(() => window.__velantraErrors || []); }

  async named(role, name) {
    const natives = { button: 'button', textbox: 'input, textarea', dialog: 'dialog' };
    const found = await this.driver.findElements({ css: [natives[role], ...roleNames(role).map((r) => `[role="${r}"]`)].filter(Boolean).join(', ') });
    const ids = [];
    for (const e of found) {
      if (roleNames(role).includes(await e.getAriaRole()) && await e.getAccessibleName() === name) ids.push(await e.getAttribute('id') || '');
    }
    return ids;
  }

  async newTab(action) {
    const d = this.driver;
    const home = await d.getWindowHandle();
    const before = await d.getAllWindowHandles();
    await action();
    let tab;
    await until(async () => { tab = (await d.getAllWindowHandles()).find((h) => !before.includes(h)); return tab; }, 'a new tab');
    await d.switchTo().window(tab);
    let url;
    // A tab just opened reports an empty address, then about:blank, before its own.
    await until(async () => !['', 'about:blank'].includes(url = await d.getCurrentUrl()), 'the new tab to load');
    await d.close();
    await d.switchTo().window(home);
    return url;
  }

  // WebKitWebDriver lets a page go without its question (neither closing the window nor a
  // navigation shows one), so the page is asked as the browser asks it: a cancelable
  // beforeunload, whose cancelling is the question.
  async leave(answer) {
    const asked = await this.evaluate(() => {
      const e = new Event('beforeunload', { cancelable: true });
      window.dispatchEvent(e);
      return e.defaultPrevented;
    });
    if (answer) await this.driver.quit();
    return asked ? 'beforeunload' : null;
  }

  frame(selector) { return new WebKitPage(this.driver, selector); }
  close() { return this.driver.quit(); }
}

function freePort() {
  return new Promise((resolve, reject) => {
    const s = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    }).on('error', reject);
  });
}

// An Xvfb on the first free display, large enough for a window at ratio 2.
function xvfb() {
  return new Promise((resolve, reject) => {
    const x = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '3000x2000x24', '-nolisten', 'tcp'],
      { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    x.on('error', reject);
    x.stdio[3].once('data', (d) => resolve({ x, display: `:${String(d).trim()}` }));
  });
}

// A session bus of its own: without one GLib tries to start one for each browser, and the
// MiniBrowser now and then dies as it starts.
function sessionBus() {
  return new Promise((resolve, reject) => {
    const bus = spawn('dbus-daemon', ['--session', '--nofork', '--print-address=1'],
      { stdio: ['ignore', 'pipe', 'ignore'] });
    bus.on('error', reject);
    bus.stdout.once('data', (d) => resolve({ bus, address: String(d).trim() }));
  });
}

// The C library's locale for a browser language, compiled into a folder of ours where the
// system has none (as the format tests do).
function localeFor(language) {
  const name = `${language.replace('-', '_')}.UTF-8`;
  const dir = path.join(os.tmpdir(), 'velantra-locale');
  if (!fs.existsSync(path.join(dir, name))) {
    fs.mkdirSync(dir, { recursive: true });
    execFileSync('localedef', ['-i', name.split('.')[0], '-f', 'UTF-8', path.join(dir, name)], { stdio: 'ignore' });
  }
  return { LOCPATH: dir, LANG: name, LC_ALL: name };
}

async function launch({ page_url }) {
  const { x, display } = await xvfb();
  const { bus, address } = await sessionBus();
  const servers = new Map();
  const server = (locale, ratio) => {
    const id = `${locale} ${ratio}`;
    if (!servers.has(id)) {
      servers.set(id, (async () => {
        const port = await freePort();
        const env = { ...process.env, DISPLAY: display, DBUS_SESSION_BUS_ADDRESS: address,
          GDK_SCALE: String(ratio), ...localeFor(locale) };
        const p = spawn('WebKitWebDriver', [`--port=${port}`], { env, stdio: 'ignore' });
        const url = `http://127.0.0.1:${port}`;
        await until(() => new Promise((resolve) => http.get(`${url}/status`, (r) => { r.resume(); resolve(true); })
          .on('error', () => resolve(false))), 'WebKitWebDriver');
        // A driver serves one session at a time: `live` is the one it has open.
        return { id, p, url, live: null };
      })());
    }
    return servers.get(id);
  };
  // Every request the browser would send off this machine comes here, is noted and refused.
  let requests = [];
  const proxy = http.createServer((r, response) => { requests.push(r.url); response.writeHead(403).end(); });
  proxy.on('connect', (r, socket) => { requests.push(`https://${r.url}`); socket.end('HTTP/1.1 403 Forbidden\r\n\r\n'); });
  await new Promise((resolve) => proxy.listen(0, '127.0.0.1', resolve));
  const via = `127.0.0.1:${proxy.address().port}`;
  return {
    async open({ width = 1280, height = 800, ratio = 1, touch = false, locale = 'ru-RU',
      url = page_url, allowed = /^(file|data|blob):/ } = {}) {
      // A MiniBrowser that dies as it starts leaves its driver waiting for ever: that driver
      // goes, and another starts it again.
      let driver;
      for (let attempt = 1; !driver; ++attempt) {
        const s = await server(locale, ratio);
        // A page a failed test left open is closed first.
        if (s.live) await s.live.quit().catch(() => {});
        const session = new Builder().usingServer(s.url).withCapabilities({
          browserName: 'MiniBrowser',
          'webkitgtk:browserOptions': { binary, args: ['--automation'] },
          proxy: { proxyType: 'manual', httpProxy: via, sslProxy: via, noProxy: ['127.0.0.1', 'localhost'] },
        }).build();
        let timer;
        const late = new Promise((resolve) => { timer = setTimeout(resolve, 20000, null); });
        driver = await Promise.race([session, late]);
        clearTimeout(timer);
        if (!driver) {
          if (attempt === 4) throw new Error('the MiniBrowser did not start four times');
          session.catch(() => {});
          s.p.kill();
          servers.delete(s.id);
        } else {
          s.live = driver;
        }
      }
      // The window's frame and toolbars are what the viewport lacks of the window.
      await driver.manage().window().setRect({ width, height });
      const [w, h] = await driver.executeScript('return [innerWidth, innerHeight]');
      await driver.manage().window().setRect({ width: 2 * width - w, height: 2 * height - h });
      requests = [];
      await driver.get(url);
      const p = new WebKitPage(driver);
      Object.defineProperty(p, 'requests', { get: () => requests.filter((u) => !allowed.test(u)) });
      await p.evaluate(() => {
        window.__velantraErrors = [];
        window.addEventListener('error', (e) => window.__velantraErrors.push(e.message));
      });
      if (url.startsWith(page_url)) await p.ready();
      return p;
    },
    async close() {
      for (const s of servers.values()) (await s).p.kill();
      proxy.close();
      x.kill();
      bus.kill();
    },
  };
}

module.exports = { launch };
