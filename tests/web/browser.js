// Playwright's Chromium as the benchmarks drive it; the tests go through ./driver.
'use strict';
const { chromiumBrowser } = require('./driver/chromium');
const { page_url, build } = require('./driver');

module.exports = { launch: chromiumBrowser, page_url, build };
