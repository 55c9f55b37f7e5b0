// The page on a phone, upright and sideways: Form1 laid out no smaller than its defined size
// and shown scaled down into the screen, and every control worked by a finger.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { engine, launch } = require('./driver');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

// The boxes of the controls shown, as the screen has them, and the scale read off ПУСК.
const shown = (page) => page.evaluate(() => {
  const box = (e) => {
    const r = e.getBoundingClientRect();
    return { id: e.id || e.firstChild.id, x: r.x, y: r.y, right: r.right, bottom: r.bottom };
  };
  const ok = document.getElementById('CmdOK');
  return {
    scale: ok.getBoundingClientRect().width / ok.offsetWidth,
    client: [document.getElementById('client').clientWidth, document.getElementById('client').clientHeight],
    menu: box(document.getElementById('menuBar')),
    controls: [...document.getElementById('client').children].filter((e) => e.getClientRects().length).map(box),
  };
});

// Form1's defined client area is 860 × 306 below a menu bar of 21. WebKitGTK's MiniBrowser
// keeps its window wide enough for its toolbar, 447 pixels of page.
const sizes = [[390, 844, 390 / 860], [844, 390, 844 / 860], [320, 568, 320 / 860],
  [568, 320, 568 / 860], [1280, 720, 1]].filter(([width]) => engine !== 'webkit' || width >= 447);

test('upright and sideways the window is scaled into the screen, no control over another', async () => {
  for (const [width, height, scale] of sizes) {
    const page = await browser.open({ width, height, touch: true });
    const at = `${width} × ${height}`;
    const s = await shown(page);
    assert.ok(Math.abs(s.scale - scale) < 1e-3, `${at}: scale ${s.scale}`);
    // Laid out at the viewport divided by the scale, which is the defined size one way.
    assert.ok(Math.abs(s.client[0] - Math.max(860, width / scale)) <= 1, `${at}: ${s.client}`);
    assert.ok(Math.abs(s.client[1] - Math.max(306, height / scale - 21)) <= 1, `${at}: ${s.client}`);
    // Edges that meet, give or take the engine's rounding of the scaled boxes.
    const e = 0.1;
    for (const c of [s.menu, ...s.controls]) {
      assert.ok(c.x >= -e && c.y >= -e && c.right <= width + e && c.bottom <= height + e,
        `${at}: ${c.id} leaves the screen`);
    }
    // With the run's results shown; at the defined height Label14 runs 3 pixels past the bottom.
    await page.tap('#CmdOK');
    await page.waitFor('#Label14:not([hidden])');
    const run = (await shown(page)).controls;
    for (const [i, a] of run.entries()) {
      for (const b of run.slice(i + 1)) {
        const over = a.x < b.right - e && b.x < a.right - e && a.y < b.bottom - e && b.y < a.bottom - e;
        assert.ok(!over, `${at}: ${a.id} overlaps ${b.id}`);
      }
    }
    assert.equal(await page.text('#Label13'), 'X90,Y90=-10,33, -5,43', at);
    await page.close();
  }
  // Too low rather than too narrow: the menu bar's height counts too.
  const low = await browser.open({ width: 860, height: 300 });
  const s = await shown(low);
  assert.ok(Math.abs(s.scale - 300 / 327) < 1e-3 && s.client[1] === 306, `${s.scale}, ${s.client}`);
  await low.close();
});

test('a finger reads the picture, steps the bars by arrow and trough and drags a thumb', async () => {
  const page = await browser.open({ width: 568, height: 320, touch: true });
  // The readout in metres follows the finger: the frame spans 0…6 m across and −1…1 m down.
  const picture = await page.box('#Picture1');
  const metres = (id) => page.text(id).then((t) => Number(t.slice(2, -2).replace(',', '.')));
  const readout = async () => [await metres('#Label12'), await metres('#Label15')];
  await page.touch.down(picture.x + picture.width / 4, picture.y + picture.height / 4);
  await page.touch.move(picture.x + picture.width / 2, picture.y + picture.height * 3 / 4);
  const [x, y] = await readout();
  await page.touch.up();
  assert.ok(Math.abs(x - 3) < 0.02 && Math.abs(y - 0.5) < 0.02, `readout ${x}, ${y}`);

  const position = (id) => page.attribute(`#${id}`, 'aria-valuenow').then(Number);
  await page.tap('#VScroll2 .up');
  assert.equal(await position('VScroll2'), 46);
  // Just past the thumb's end the trough pages on by HScroll1's page step of 50.
  const thumb = await page.box('#HScroll1 .thumb');
  await page.touch.tap(thumb.x + thumb.width + 3, thumb.y + thumb.height / 2);
  assert.equal(await position('HScroll1'), 300);
  assert.equal(await page.value('#Text4'), ' 3');

  // The thumb goes with the finger and reports once it is let go.
  const from = await page.box('#HScroll1 .thumb');
  const trough = await page.box('#HScroll1 .trough');
  const [fx, fy] = [from.x + from.width / 2, from.y + from.height / 2];
  const to = trough.x + trough.width / 4;
  await page.touch.down(fx, fy);
  await page.touch.move(to, fy);
  assert.equal(await position('HScroll1'), 300);
  await page.touch.up();
  const dropped = await page.box('#HScroll1 .thumb');
  assert.ok(Math.abs(dropped.x + dropped.width / 2 - to) < 1, `thumb at ${dropped.x}, finger at ${to}`);
  assert.ok(await position('HScroll1') < 300);
  await page.close();
});
