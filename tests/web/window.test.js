// Form1 in the browser as a student uses it: the start-up state, a run, the index check, the
// angle's wrap, typing into each box, the pointer readout and the picture's sharpness.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, open, value, caption, position, pixel } = require('./browser');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

test('the window starts with the start-up scene, offline, the focus on ПУСК, in its keyboard order', async () => {
  const { page, requests, errors } = await open(browser);
  assert.equal(await page.title(), 'Velantra');
  const texts = [];
  for (const id of ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6']) texts.push(await value(page, id));
  assert.deepEqual(texts, [' 1.000292', ' 1.3333', ' 1.4', ' 2.5', ' .6', ' 45']);
  assert.deepEqual([await position(page, 'HScroll1'), await position(page, 'VScroll1'),
    await position(page, 'VScroll2')], [250, 60, 45]);
  const order = [];
  for (let i = 0; i < 11; ++i) {
    order.push(await page.evaluate(() => document.activeElement.id));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(order, ['CmdOK', 'Picture1', 'Text2', 'Text1', 'Text4', 'Text5', 'Text6',
    'HScroll1', 'Text3', 'VScroll1', 'VScroll2']);
  assert.equal(await page.getByRole('textbox', { name: 'Показатель преломления верхней среды' })
    .getAttribute('id'), 'Text1');
  assert.equal(await caption(page, 'Label7'), 'n_otn(-1)=19,9895 ');
  assert.ok(await page.locator('#Label13').isHidden());
  assert.deepEqual(requests, []);
  assert.deepEqual(errors, []);
  await page.context().close();
});

// The start-up frame spans 0…6 m across and −1…1 m down; the ray leaves (2.5, 0.6) at 45°.
for (const ratio of [1, 2]) {
  test(`Enter on ПУСК draws the red ray from the start point at ratio ${ratio}`, async () => {
    const { page } = await open(browser, { ratio });
    const box = await page.locator('#Picture1').boundingBox();
    const canvas = await page.evaluate(() => {
      const c = document.getElementById('Picture1');
      return [c.width, c.height];
    });
    assert.deepEqual(canvas, [Math.ceil(box.width * ratio), Math.ceil(box.height * ratio)]);
    const at = (x, y) => [x * box.width / 6, (y + 1) * box.height / 2];
    const t = 0.1 / Math.SQRT2;
    const [px, py] = at(2.5 + t, 0.6 + t);
    const red = ([r, g, b]) => r > 200 && g < 60 && b < 60;
    assert.ok(!red(await pixel(page, px, py)));
    await page.keyboard.press('Enter');
    assert.ok(red(await pixel(page, px, py)), `no red at ${px}, ${py}`);
    // Off the ray the graded medium stays as it was drawn.
    assert.ok(!red(await pixel(page, px + 20, py)));
    const shape = await page.locator('#Shape1').boundingBox();
    const [sx, sy] = at(2.5, 0.6);
    assert.ok(Math.abs(shape.x + 6 - box.x - sx) <= 1 && Math.abs(shape.y + 6 - box.y - sy) <= 1);
    assert.equal(await caption(page, 'Label13'), 'X90,Y90=-10,33, -5,43');
    assert.equal(await caption(page, 'Label14'), 'X01,X02=1,88, -22,55');
    assert.equal(await caption(page, 'Label9'), 'a_p=48,611(131,389)');
    await page.context().close();
  });
}

// In a phone-wide page ПУСК overlaps Text5 and, defined later, lies on top of it.
test('a click on ПУСК in a phone-wide page starts the run', async () => {
  const { page } = await open(browser, { width: 390, height: 844 });
  await page.click('#CmdOK', { timeout: 3000 });
  assert.equal(await caption(page, 'Label13'), 'X90,Y90=-10,33, -5,43');
  await page.context().close();
});

test('an upper index above the lower one is refused with a message, and reset', async () => {
  const { page } = await open(browser);
  await page.locator('#Text1').selectText();
  await page.keyboard.type('2');
  const box = page.getByRole('alertdialog');
  await box.waitFor();
  assert.equal(await box.locator('.title').textContent(), 'Ошибка');
  assert.equal(await box.locator('.message-text').textContent(), 'Показатель преломления вверху должен ' +
    'быть меньше, чем внизу! Не вводите заново, а исправьте!');
  assert.deepEqual(await box.getByRole('button').allTextContents(), ['OK']);
  await box.getByRole('button', { name: 'OK' }).click();
  await box.waitFor({ state: 'detached' });
  assert.equal(await value(page, 'Text1'), ' 1.001');
  await page.context().close();
});

test('the angle bar wraps past 180 to −179 and past −180 to 179; the arrows step it', async () => {
  const { page } = await open(browser);
  await page.locator('#VScroll2').focus();
  await page.keyboard.press('Home');
  assert.equal(await value(page, 'Text6'), '-179');
  assert.equal(await position(page, 'VScroll2'), -179);
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  assert.equal(await value(page, 'Text6'), ' 179');
  await page.locator('#VScroll2 .up').click();
  assert.equal(await value(page, 'Text6'), ' 180');
  await page.locator('#HScroll1 .down').click();
  assert.equal(await value(page, 'Text4'), ' 2.51');
  // A thumb dragged to the trough's far end and released: X0 at the right edge.
  const thumb = await page.locator('#HScroll1 .thumb').boundingBox();
  const trough = await page.locator('#HScroll1 .trough').boundingBox();
  await page.mouse.move(thumb.x + 2, thumb.y + 2);
  await page.mouse.down();
  await page.mouse.move(trough.x + trough.width + 50, thumb.y + 2);
  assert.equal(await value(page, 'Text4'), ' 2.51');
  await page.mouse.up();
  assert.equal(await value(page, 'Text4'), ' 6');
  await page.context().close();
});

test('each box takes typing with the write-back and its caret; X0 and Yo only show', async () => {
  const { page } = await open(browser);
  const typed = async (id, keys) => {
    await page.locator(`#${id}`).focus();
    for (const key of keys) await page.keyboard.press(key);
    return [await value(page, id), await page.locator(`#${id}`).evaluate((e) => e.selectionStart)];
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
  await page.context().close();
});

test('the pointer over the picture reads its place in metres', async () => {
  const { page } = await open(browser);
  const box = await page.locator('#Picture1').boundingBox();
  await page.mouse.move(box.x, box.y);
  assert.deepEqual([await caption(page, 'Label12'), await caption(page, 'Label15')],
    ['X=0,000 м', 'Y=-1,000 м']);
  await page.mouse.move(box.x + box.width / 2, box.y + box.height * 3 / 4);
  assert.deepEqual([await caption(page, 'Label12'), await caption(page, 'Label15')],
    ['X=3,000 м', 'Y=0,500 м']);
  await page.context().close();
});

test('a browser in English gives the result lines a decimal point', async () => {
  const { page } = await open(browser, { locale: 'en-US' });
  assert.equal(await caption(page, 'Label7'), 'n_otn(-1)=19.9895 ');
  await page.context().close();
});
