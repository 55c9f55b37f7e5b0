// What assistive technology finds in the page: axe-core's audit with no violation at start-up,
// after a run, with each menu, a message box and the Authors window open; the controls' roles
// and names in the window's own words, their tooltips, the angle bar's own range and value, and
// the picture in words: its description following the scene, a run's result said once.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch } = require('./driver');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const audit = async (page) =>
  (await page.audit()).map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);

test('axe finds nothing at start-up, after a run, in each menu, a message box and Authors', async () => {
  const page = await browser.open();
  const found = { 'start-up': await audit(page) };
  await page.click('#CmdOK');
  found['after a run'] = await audit(page);
  await page.click('#mnuFile');
  await page.waitFor('#mnuFile[aria-expanded="true"]');
  found['Файл open'] = await audit(page);
  await page.key('Escape');
  await page.click('#mnuHelp');
  await page.waitFor('#mnuHelp[aria-expanded="true"]');
  found['Помощь open'] = await audit(page);
  await page.click('#mnuHelpAvtors');
  await page.waitFor('#Form2');
  found['Authors open'] = await audit(page);
  await page.click('#mnuHelp');
  await page.click('#mnuHelpAbout');
  await page.waitFor('[role="alertdialog"]');
  found['message box open'] = await audit(page);
  assert.deepEqual(found, Object.fromEntries(Object.keys(found).map((state) => [state, []])));
  await page.close();
});

test('each control has its role, a name that says what it is for, its tooltip; the picture its words', async () => {
  const page = await browser.open();
  // The picture's words, and each text written to the region that says a run's result.
  const words = async () => page.text(`#${await page.attribute('#Picture1', 'aria-describedby')}`);
  await page.evaluate(() => {
    const said = document.querySelector('#Picture1 ~ [role="status"][aria-live="polite"]');
    window.said = [];
    new MutationObserver(() => window.said.push(said.textContent)).observe(said, { childList: true });
  });
  const said = () => page.evaluate(() => window.said);
  assert.match(await words(), /^Вверху среда с показателем преломления 1[.,]000292, .* α0 = 45°\.$/);
  await page.click('#CmdOK');
  await page.waitFor('#Picture1 ~ [role="status"]:not(:empty)');
  const run = await words();
  assert.match(run, /^Вершина траектории .* Луч уходит за нижний край рисунка в точке X = 2[.,]89\.$/);
  assert.deepEqual(await said(), [run]);
  const controls = [
    ['Picture1', 'img', 'Здесь траектория луча', 'Здесь траектория луча'],
    ['Text4', 'textbox', 'Начальная координата Х0',
      'Начальная координата Х0 (Используйте горизонтальный скроллинг)'],
    ['HScroll1', 'scrollbar', 'Начальная координата Х0', null],
    ['VScroll1', 'scrollbar', 'Начальная координата Yo', null],
    ['VScroll2', 'scrollbar', 'Начальный угол входа луча', null],
    ['CmdOK', 'button', 'ПУСК', 'Запуск (остановка) установки'],
  ];
  for (const [id, role, name, tooltip] of controls) {
    assert.ok((await page.named(role, name)).includes(id), id);
    assert.equal(await page.attribute(`#${id}`, 'title'), tooltip, id);
  }
  const range = ['aria-valuemin', 'aria-valuemax', 'aria-valuenow'];
  const read = () => Promise.all(range.map((a) => page.attribute('#VScroll2', a).then(Number)));
  assert.deepEqual(await read(), [-181, 181, 45]);
  await page.click('#VScroll2 .up');
  assert.deepEqual(await read(), [-181, 181, 46]);
  // The description follows the scene; only a run is said.
  assert.match(await words(), /α0 = 46°\.$/);
  assert.deepEqual(await said(), [run]);
  await page.close();
});
