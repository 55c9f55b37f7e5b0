// The menu commands in the browser: each document opens in a new tab from the page's own
// data, the About box and the Authors window appear as on the desktop, the menus work by
// keyboard, the page asks before it is left, and it runs from a web server in a course page.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const http = require('node:http');
const { launch, open, build } = require('./browser');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

async function choose(page, menu, entry) {
  await page.locator(`#${menu}`).click();
  await page.locator(`#${entry}`).click();
}

test('each document command opens its document in a new tab', async () => {
  const { page, context } = await open(browser);
  const documents = {
    mnuFilespravka: 'spravka.pdf', mnuFilespravka2: 'spravka2.pdf',
    mnuFilespravka3: 'spravka3.pdf', mnuFilesHistory1: 'Snell.pdf', mnuHelpUprav: 'uprav.pdf',
    mnuHelpInstruction: 'instruction.txt',
  };
  for (const [entry, file] of Object.entries(documents)) {
    const menu = entry.startsWith('mnuFile') ? 'mnuFile' : 'mnuHelp';
    const [tab] = await Promise.all([context.waitForEvent('page'), choose(page, menu, entry)]);
    await tab.waitForURL(/^blob:/);
    const got = await page.evaluate(async (url) => {
      const blob = await (await fetch(url)).blob();
      return { type: blob.type, text: await blob.text() };
    }, tab.url());
    if (file.endsWith('.pdf')) {
      assert.equal(got.type, 'application/pdf', entry);
      assert.ok(got.text.startsWith('%PDF'), entry);
    } else {
      assert.match(got.type, /^text\/plain/);
      assert.equal(got.text, fs.readFileSync(path.join(__dirname, '../../docs', file), 'utf8'));
    }
    await tab.close();
  }
  await context.close();
});

test('the menus open by their access keys and run an entry from the keyboard', async () => {
  const { page, context } = await open(browser);
  // Alt with the key of П on a Russian keyboard.
  const keys = await context.newCDPSession(page);
  for (const type of ['rawKeyDown', 'keyUp']) {
    await keys.send('Input.dispatchKeyEvent', { type, modifiers: 1, key: 'п', code: 'KeyG',
      windowsVirtualKeyCode: 71 });
  }
  assert.equal(await page.locator('#mnuHelp').getAttribute('aria-expanded'), 'true');
  assert.deepEqual(await page.locator('#mnuHelp-entries').getByRole('menuitem').allTextContents(),
    ['Инструкция', 'Управление', 'Авторы', 'О программе']);
  assert.equal(await page.locator('#mnuHelp-entries').getByRole('separator').count(), 1);
  await page.keyboard.press('End');
  await page.keyboard.press('Enter');
  const box = page.getByRole('alertdialog');
  assert.equal(await box.locator('.title').textContent(), 'О ПРОГРАММЕ');
  assert.match(await box.locator('.message-text').textContent(),
    /^Программа моделирует прохождение луча света\nчерез границу двух сред\n/);
  await page.keyboard.press('Escape');
  await box.waitFor({ state: 'detached' });
  assert.equal(await page.evaluate(() => document.activeElement.id), 'CmdOK');
  await context.close();
});

test('the Authors window stands over the centre of the page with its picture and text', async () => {
  const { page, context } = await open(browser);
  await choose(page, 'mnuHelp', 'mnuHelpAvtors');
  const form2 = page.getByRole('dialog', { name: 'Авторы' });
  const outer = await form2.boundingBox();
  assert.ok(Math.abs(outer.x + outer.width / 2 - 640) <= 1);
  assert.ok(Math.abs(outer.y + outer.height / 2 - 400) <= 1);
  assert.deepEqual(await form2.locator('.client').boundingBox().then((b) => [b.width, b.height]),
    [222, 297]);
  const image = await page.locator('#Form2-Image1').evaluate((e) => [e.naturalWidth, e.naturalHeight]);
  assert.deepEqual(image, [150, 180]);
  assert.match(await page.locator('#Form2-Label1').textContent(), /^© Проект Velantra, 2026 +\n/);
  await form2.getByRole('button', { name: 'Закрыть' }).click();
  assert.equal(await form2.count(), 0);
  await context.close();
});

test('leaving the page asks first, and staying keeps the program', async () => {
  const { page, context } = await open(browser);
  await page.locator('#CmdOK').click();
  const asked = new Promise((resolve) => page.once('dialog', (d) => {
    resolve(d.type());
    d.dismiss();
  }));
  await page.close({ runBeforeUnload: true });
  assert.equal(await asked, 'beforeunload');
  assert.equal(await page.locator('#Text6').inputValue(), ' 45');
  // Leaving after all closes it.
  page.once('dialog', (d) => d.accept());
  await Promise.all([page.waitForEvent('close'), page.close({ runBeforeUnload: true })]);
  await context.close();
});

test('the page runs from a web server inside a frame of a course page', async () => {
  const html = fs.readFileSync(path.join(build, 'velantra.html'));
  const server = http.createServer((request, response) => {
    response.setHeader('Content-Type', 'text/html; charset=utf-8');
    response.end(request.url === '/velantra.html' ? html
      : '<h1>Оптика</h1><iframe src="/velantra.html" width="900" height="400"></iframe>');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const origin = `http://127.0.0.1:${server.address().port}`;
  const { page, context, requests, errors } = await open(browser, {
    url: `${origin}/course.html`, allowed: new RegExp(`^(${origin}/|data:|blob:)`),
  });
  const frame = page.frameLocator('iframe');
  await frame.locator('body[data-ready="true"]').waitFor();
  await frame.locator('#CmdOK').press('Space');
  assert.equal(await frame.locator('#Label14').textContent(), 'X01,X02=1,88, -22,55');
  assert.deepEqual(requests, []);
  assert.deepEqual(errors, []);
  await context.close();
  server.close();
});
