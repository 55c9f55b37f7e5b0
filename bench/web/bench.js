// Browser benchmarks of the browser edition in Debian's Chromium on a 1920 × 1080 page at
// device pixel ratio 2: file:// load to the first painted frame, one keystroke in the angle box
// with all its nested passes, and a ПУСК of the longest walk, each action until its drawing is
// on the canvas. Beside them the first paint of a page of one line, the browser's own share.
// Prints one JSON object of medians in milliseconds.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { launch, page_url } = require('../../tests/web/browser');

const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };

async function page_at(browser) {
  const context = await browser.newContext({ viewport: { width: 1920, height: 1080 }, deviceScaleFactor: 2 });
  await context.route(/^(?!file:|data:|blob:)/, (route) => route.abort());
  return { context, page: await context.newPage() };
}

(async () => {
  const browser = await launch();
  const loads = [], paints = [];
  for (let i = 0; i < 11; ++i) {
    const { context, page } = await page_at(browser);
    // The frame after the program has drawn: the first one with the picture on it.
    await page.addInitScript(() => {
      const first = () => { window.firstFrame = performance.now(); };
      new MutationObserver((_, observer) => {
        if (document.body && document.body.dataset.ready) { observer.disconnect(); first(); }
      }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
    });
    await page.goto(page_url);
    await page.waitForFunction(() => window.firstFrame !== undefined);
    loads.push(await page.evaluate(() => window.firstFrame));
    paints.push(await page.evaluate(() =>
      performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN));
    await context.close();
  }

  // The browser's own share: a page of one line of text, loaded the same way.
  const floor_file = path.join(os.tmpdir(), 'velantra-bench-floor.html');
  fs.writeFileSync(floor_file, '<!DOCTYPE html><meta charset="utf-8"><title>t</title><p>Velantra</p>');
  const floors = [];
  for (let i = 0; i < 11; ++i) {
    const { context: c, page: p } = await page_at(browser);
    await p.goto(`file://${floor_file}`);
    await p.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length);
    floors.push(await p.evaluate(() => performance.getEntriesByName('first-contentful-paint')[0].startTime));
    await c.close();
  }
  fs.unlinkSync(floor_file);

  const { context, page } = await page_at(browser);
  await page.goto(page_url);
  await page.waitForSelector('body[data-ready="true"]');
  const timed = (code, rounds) => page.evaluate(([source, n]) => {
    const step = new Function('i', source);
    // Reading one pixel back waits until the canvas has drawn what the action asked for.
    const canvas = document.getElementById('Picture1').getContext('2d');
    const times = [];
    for (let i = 0; i < n; ++i) {
      const start = performance.now();
      step(i);
      canvas.getImageData(0, 0, 1, 1);
      times.push(performance.now() - start);
    }
    return times;
  }, [code, rounds]);
  // The text a keystroke leaves, handed in as the browser hands it: a digit typed at the end
  // of " 45", then erased, alternately.
  const typing = `const e = document.getElementById('Text6');
    e.value = i % 2 ? ' 45' : ' 457'; e.setSelectionRange(e.value.length, e.value.length);
    e.dispatchEvent(new InputEvent('input', { inputType: 'insertText' }));`;
  const keystroke = median(await timed(typing, 200));
  await page.evaluate(() => {
    const type = (id, text) => {
      const e = document.getElementById(id);
      e.value = text;
      e.dispatchEvent(new InputEvent('input'));
    };
    type('Text3', '1.3333');
    type('Text6', '90');
    Module.ccall('velantra_scrolled', null, ['string', 'number'], ['HScroll1', 4]);
  });
  // VScroll1's thumb released 150 positions from its top end, at 50: Yo 0.5.
  await page.evaluate(() => Module.ccall('velantra_thumb_released', null, ['string', 'number'], ['VScroll1', 150]));
  const scene = await page.evaluate(() => ['Text3', 'Text4', 'Text5', 'Text6'].map((id) => document.getElementById(id).value));
  const run = median(await timed(`document.getElementById('CmdOK').click();`, 100));
  const picture = await page.evaluate(() => { const c = document.getElementById('Picture1'); return [c.width, c.height]; });
  await context.close();
  await browser.close();
  console.log(JSON.stringify({ first_frame_ms: median(loads), first_contentful_paint_ms: median(paints),
    floor_first_contentful_paint_ms: median(floors),
    keystroke_text6_ms: keystroke, run_longest_ms: run, scene, picture_device_px: picture }));
})();
