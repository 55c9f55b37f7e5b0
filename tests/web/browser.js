// Debian's Chromium under Playwright with the flags this kind of machine needs (no background
// connections on a closed network), the page opened from file:// with every request to the
// network refused, and what a person reads off the page.
'use strict';
const path = require('node:path');
const { chromium } = require('playwright-core');

const build = path.resolve(__dirname, '../../build-web');
const page_url = `file://${build}/velantra.html`;

function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// A page of this size and device pixel ratio with the program started; `requests` collects
// every request that would have left the machine.
// `url` and `allowed` serve it from a web server on this machine instead.
async function open(browser, { width = 1280, height = 800, ratio = 1, locale = 'ru-RU',
  url = page_url, allowed = /^(file|data|blob):/ } = {}) {
  const context = await browser.newContext({
    viewport: { width, height }, deviceScaleFactor: ratio, locale,
  });
  if (url === page_url) await context.setOffline(true);
  const requests = [];
  await context.route((u) => !allowed.test(u.href), (route) => {
    requests.push(route.request().url());
    return route.abort();
  });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(url);
  if (url === page_url) await page.waitForSelector('body[data-ready="true"]');
  return { context, page, requests, errors };
}

const value = (page, id) => page.locator(`#${id}`).inputValue();
const caption = (page, id) => page.locator(`#${id}`).textContent();
const position = (page, id) => page.locator(`#${id}`).getAttribute('aria-valuenow').then(Number);

// The canvas pixel under a point of the picture given in CSS pixels, as [r, g, b].
function pixel(page, x, y) {
  return page.evaluate(([px, py]) => {
    const c = document.getElementById('Picture1');
    const ratio = c.width / c.clientWidth;
    const d = c.getContext('2d').getImageData(Math.round(px * ratio), Math.round(py * ratio), 1, 1);
    return [...d.data.slice(0, 3)];
  }, [x, y]);
}

module.exports = { launch, open, page_url, build, value, caption, position, pixel };
