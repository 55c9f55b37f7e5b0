// Debian's Chromium under Playwright, with the flags this kind of machine needs (a closed
// network: no background connections), and the page opened from file://.
'use strict';
const path = require('node:path');
const { chromium } = require('playwright-core');

const page_file = path.resolve(__dirname, '../../build-web/velantra.html');
const page_url = `file://${page_file}`;

function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// A page of the given size and ratio with the program started, every network request refused.
async function open(browser, { width = 1280, height = 800, ratio = 1, locale = 'ru-RU' } = {}) {
  const context = await browser.newContext({
    viewport: { width, height }, deviceScaleFactor: ratio, locale,
  });
  const requests = [];
  await context.route(/^(?!file:|data:|blob:)/, (route) => {
    requests.push(route.request().url());
    return route.abort();
  });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(page_url);
  await page.waitForSelector('body[data-ready="true"]');
  return { context, page, requests, errors };
}

module.exports = { launch, open, page_url };
