// What assistive technology finds in the page: axe-core's audit with no violation at start-up,
// after a run, with each menu, a message box and the Authors window open; the controls' roles
// and names in the window's own words, their tooltips, and the angle bar's own range and value.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const { launch, open } = require('./browser');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const axe = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
async function audit(page) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ content: axe });
  const { violations } = await page.evaluate(() => axe.run(document));
  return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('axe finds nothing at start-up, after a run, in each menu, a message box and Authors', async () => {
  const { page, context } = await open(browser);
  const found = { 'start-up': await audit(page) };
  await page.locator('#CmdOK').press('Enter');
  await page.waitForFunction(() => document.getElementById('Label13').textContent.trim() !== '');
  found['after a run'] = await audit(page);
  await page.locator('#mnuFile').click();
  found['Файл open'] = await audit(page);
  await page.locator('#mnuHelp').hover();
  await page.locator('#mnuHelpAvtors').waitFor();
  found['Помощь open'] = await audit(page);
  await page.locator('#mnuHelpAvtors').click();
  await page.locator('#Form2').waitFor();
  found['Authors open'] = await audit(page);
  await page.locator('#mnuHelp').click();
  await page.locator('#mnuHelpAbout').click();
  await page.getByRole('alertdialog').waitFor();
  found['message box open'] = await audit(page);
  assert.deepEqual(found, Object.fromEntries(Object.keys(found).map((state) => [state, []])));
  await context.close();
});

test('each control has its role, a name that says what it is for, and its tooltip', async () => {
  const { page, context } = await open(browser);
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
    const e = page.getByRole(role, { name, exact: true }).and(page.locator(`#${id}`));
    assert.equal(await e.count(), 1, id);
    assert.equal(await e.getAttribute('title'), tooltip, id);
  }
  const bar = page.locator('#VScroll2');
  const range = ['aria-valuemin', 'aria-valuemax', 'aria-valuenow'];
  const read = () => Promise.all(range.map((a) => bar.getAttribute(a).then(Number)));
  assert.deepEqual(await read(), [-181, 181, 45]);
  await page.locator('#VScroll2 .up').click();
  assert.deepEqual(await read(), [-181, 181, 46]);
  await context.close();
});
