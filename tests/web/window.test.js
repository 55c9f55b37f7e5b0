// Form1 in the browser as a student uses it: the start-up state, a run, the index check, the
// angle's wrap, typing into each box, the pointer readout and the picture's sharpness.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, page_url } = require('./driver');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const position = (page, id) => page.attribute(`#${id}`, 'aria-valuenow').then(Number);

// The same checks in each language: the browser's own, or the link's lang= over it. The decimal
// separator stays the browser's.
const words = {
  ru: { upper: 'Показатель преломления верхней среды', error: 'Ошибка', index: 'Показатель ' +
    'преломления вверху должен быть меньше, чем внизу! Не вводите заново, а исправьте!' },
  en: { upper: 'Refractive index of the upper medium', error: 'Error', index: 'The refractive ' +
    'index at the top must be less than at the bottom! Do not type it anew: correct it!' },
};
const editions = [
  { name: 'a Russian browser', locale: 'ru-RU', hash: '', lang: 'ru', point: ',' },
  { name: 'an English browser', locale: 'en-US', hash: '', lang: 'en', point: '.' },
  { name: 'lang=en in the link', locale: 'ru-RU', hash: '#lang=en', lang: 'en', point: ',' },
];

for (const { name, locale, hash, lang, point } of editions) {
  test(`the window starts with the start-up scene, offline, the focus on ПУСК, in order: ${name}`, async () => {
    const page = await browser.open({ locale, url: page_url + hash });
    assert.equal(await page.title(), 'Velantra');
    assert.equal(await page.attribute('html', 'lang'), lang);
    // The link's language stays in the address the page writes.
    if (hash) {
      assert.equal(await page.evaluate(() => location.hash),
        `${hash}&n1=1.000292&nmin=1.3333&nmax=1.4&x0=2.5&yo=.6&a0=45`);
    }
    const texts = [];
    for (const id of ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6']) texts.push(await page.value(`#${id}`));
    assert.deepEqual(texts, [' 1.000292', ' 1.3333', ' 1.4', ' 2.5', ' .6', ' 45']);
    assert.deepEqual([await position(page, 'HScroll1'), await position(page, 'VScroll1'),
      await position(page, 'VScroll2')], [250, 60, 45]);
    const order = [];
    for (let i = 0; i < 11; ++i) {
      order.push(await page.focused());
      await page.key('Tab');
    }
    assert.deepEqual(order, ['CmdOK', 'Picture1', 'Text2', 'Text1', 'Text4', 'Text5', 'Text6',
      'HScroll1', 'Text3', 'VScroll1', 'VScroll2']);
    assert.deepEqual(await page.named('textbox', words[lang].upper), ['Text1']);
    assert.equal(await page.text('#Label7'), `n_otn(-1)=19${point}9895 `);
    assert.ok(!await page.visible('#Label13'));
    assert.deepEqual(page.requests, []);
    assert.deepEqual(await page.errors(), []);
    await page.close();
  });
}

// The start-up frame spans 0…6 m across and −1…1 m down; the ray leaves (2.5, 0.6) at 45°.
for (const ratio of [1, 2]) {
  test(`Enter on ПУСК draws the red ray from the start point at ratio ${ratio}`, async () => {
    const page = await browser.open({ ratio });
    const box = await page.box('#Picture1');
    const canvas = await page.evaluate(() => {
      const c = document.getElementById('Picture1');
      return [c.width, c.height];
    });
    assert.deepEqual(canvas, [Math.ceil(box.width * ratio), Math.ceil(box.height * ratio)]);
    const at = (x, y) => [x * box.width / 6, (y + 1) * box.height / 2];
    const t = 0.1 / Math.SQRT2;
    const [px, py] = at(2.5 + t, 0.6 + t);
    const red = ([r, g, b]) => r > 200 && g < 60 && b < 60;
    assert.ok(!red(await page.pixel(px, py)));
    await page.key('Enter');
    assert.ok(red(await page.pixel(px, py)), `no red at ${px}, ${py}`);
    // Off the ray the graded medium stays as it was drawn.
    assert.ok(!red(await page.pixel(px + 20, py)));
    const shape = await page.box('#Shape1');
    const [sx, sy] = at(2.5, 0.6);
    assert.ok(Math.abs(shape.x + 6 - box.x - sx) <= 1 && Math.abs(shape.y + 6 - box.y - sy) <= 1);
    assert.equal(await page.text('#Label13'), 'X90,Y90=-10,33, -5,43');
    assert.equal(await page.text('#Label14'), 'X01,X02=1,88, -22,55');
    assert.equal(await page.text('#Label9'), 'a_p=48,611(131,389)');
    await page.close();
  });
}

// A phone-wide page shows the window scaled down; a click still lands on ПУСК.
test('a click on ПУСК in a phone-wide page starts the run', async () => {
  const page = await browser.open({ width: 390, height: 844 });
  await page.click('#CmdOK');
  assert.equal(await page.text('#Label13'), 'X90,Y90=-10,33, -5,43');
  await page.close();
});

for (const { name, locale, lang } of editions.slice(0, 2)) {
  test(`an upper index above the lower one is refused with a message, and reset: ${name}`, async () => {
    const page = await browser.open({ locale });
    await page.focus('#Text1');
    await page.key('Control+A');
    await page.type('2');
    const box = '[role="alertdialog"]';
    await page.waitFor(box);
    assert.equal(await page.text(`${box} .title`), words[lang].error);
    assert.equal(await page.text(`${box} .message-text`), words[lang].index);
    assert.deepEqual(await page.texts(`${box} button`), ['OK']);
    assert.equal((await page.named('button', 'OK')).length, 1);
    await page.click(`${box} button`);
    await page.waitFor(box, { gone: true });
    assert.equal(await page.value('#Text1'), ' 1.001');
    await page.close();
  });
}

test('the angle bar wraps past 180 to −179 and past −180 to 179; the arrows step it', async () => {
  const page = await browser.open();
  await page.focus('#VScroll2');
  await page.key('Home');
  assert.equal(await page.value('#Text6'), '-179');
  assert.equal(await position(page, 'VScroll2'), -179);
  await page.key('ArrowDown');
  await page.key('ArrowDown');
  assert.equal(await page.value('#Text6'), ' 179');
  await page.click('#VScroll2 .up');
  assert.equal(await page.value('#Text6'), ' 180');
  await page.click('#HScroll1 .down');
  assert.equal(await page.value('#Text4'), ' 2.51');
  // A thumb dragged to the trough's far end and released: X0 at the right edge.
  const thumb = await page.box('#HScroll1 .thumb');
  const trough = await page.box('#HScroll1 .trough');
  await page.mouse.move(thumb.x + 2, thumb.y + 2);
  await page.mouse.down();
  await page.mouse.move(trough.x + trough.width + 50, thumb.y + 2);
  assert.equal(await page.value('#Text4'), ' 2.51');
  await page.mouse.up();
  assert.equal(await page.value('#Text4'), ' 6');
  await page.close();
});

test('each box takes typing with the write-back and its caret; X0 and Yo only show', async () => {
  const page = await browser.open();
  const typed = async (id, keys) => {
    await page.focus(`#${id}`);
    for (const key of keys) await page.key(key);
    return page.evaluate((i) => {
      const e = document.getElementById(i);
      return [e.value, e.selectionStart];
    }, id);
  };
  // The same text written back keeps the caret where the typing left it.
  assert.deepEqual(await typed('Text1', ['End', '1']), [' 1.0002921', 10]);
  assert.deepEqual(await typed('Text2', ['End', '5']), [' 1.33335', 8]);
  assert.deepEqual(await typed('Text3', ['End', '5']), [' 1.45', 5]);
  assert.deepEqual(await typed('Text6', ['End', '7']), [' 457', 4]);
  // A different text written back puts the caret at the start.
  assert.deepEqual(await typed('Text6', ['Control+A', 'x']), [' 0', 0]);
  assert.equal((await typed('Text4', ['End', '7']))[0], ' 2.5');
  assert.equal((await typed('Text5', ['Control+A', '3']))[0], ' .6');
  await page.close();
});

test('the pointer over the picture reads its place in metres', async () => {
  const page = await browser.open();
  const box = await page.box('#Picture1');
  const readout = async () => [await page.text('#Label12'), await page.text('#Label15')];
  await page.mouse.move(box.x, box.y);
  assert.deepEqual(await readout(), ['X=0,000 м', 'Y=-1,000 м']);
  await page.mouse.move(box.x + box.width / 2, box.y + box.height * 3 / 4);
  assert.deepEqual(await readout(), ['X=3,000 м', 'Y=0,500 м']);
  await page.close();
});

test('a scene in the address opens set and run, a bad part named, and the address follows it', async () => {
  const page = await browser.open({
    url: `${page_url}#N1=1.2&nmin=1.5&nmax=1.6&x0=2&yo=0.5&a0=-30&run&zz=<b>`,
  });
  const entries = await page.evaluate(() => history.length);
  const box = '[role="alertdialog"]';
  await page.waitFor(box);
  assert.equal(await page.text(`${box} .message-text`),
    'Неизвестный параметр адреса: «zz=<b>». Известны n1, nmin, nmax, x0, yo, a0 и run.');
  await page.key('Escape');
  await page.waitFor(box, { gone: true });
  const address = () => page.evaluate(async () => {
    // The address is written once the program's call has ended.
    await new Promise((resolve) => setTimeout(resolve, 50));
    return [location.hash, history.length];
  });
  assert.deepEqual(await address(), ['#n1=1.2&nmin=1.5&nmax=1.6&x0=2&yo=.5&a0=-30&run', entries]);
  const texts = [];
  for (const id of ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6']) texts.push(await page.value(`#${id}`));
  assert.deepEqual(texts, [' 1.2', ' 1.5', ' 1.6', ' 2', ' .5', '-30']);
  assert.equal(await page.text('#Label14'), 'X01,X02=2,30, 22,12');
  // The angle bar was not moved to the typed angle: its arrow steps from 45.
  await page.click('#VScroll2 .up');
  assert.deepEqual(await address(), ['#n1=1.2&nmin=1.5&nmax=1.6&x0=2&yo=.5&a0=46', entries]);
  await page.close();
});
