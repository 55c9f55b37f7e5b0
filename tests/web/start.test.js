'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { launch, open } = require('./browser');

test('the page starts offline from file:// and draws its picture', async () => {
  const browser = await launch();
  const { page, requests, errors } = await open(browser);
  assert.strictEqual(await page.title(), 'Velantra');
  const white = await page.evaluate(() => {
    const c = document.getElementById('Picture1');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let coloured = 0;
    for (let i = 0; i < d.length; i += 4) if (d[i] !== 255 || d[i + 1] !== 255) ++coloured;
    return coloured;
  });
  assert.ok(white > 1000);
  assert.deepStrictEqual(requests, []);
  assert.deepStrictEqual(errors, []);
  await page.screenshot({ path: '/tmp/web-smoke.png' });
  await browser.close();
});
