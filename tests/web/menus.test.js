// The menu commands in the browser: each document opens in a new tab from the page's own
// data, the About box and the Authors window appear as on the desktop, the menus work by
// keyboard, the page asks before it is left, and it runs from a web server in a course page.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const http = require('node:http');
const { launch, build } = require('./driver');

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

async function choose(page, menu, entry) {
  await page.click(`#${menu}`);
  await page.click(`#${entry}`);
}

// Each language's own documents and words, opened by the same commands.
const editions = [
  { name: 'in Russian', locale: 'ru-RU', folder: '', close: 'Закрыть', authors: 'Авторы',
    label: /^© Проект Velantra, 2026 +\n/ },
  { name: 'in English', locale: 'en-US', folder: 'en/', close: 'Close', authors: 'Authors',
    label: /^© The Velantra project, 2026 +\n/ },
];

for (const { name, locale, folder } of editions) {
  test(`each document command opens its document in a new tab, ${name}`, async () => {
    const page = await browser.open({ locale });
    const documents = {
      mnuFilespravka: 'spravka.pdf', mnuFilespravka2: 'spravka2.pdf',
      mnuFilespravka3: 'spravka3.pdf', mnuFilesHistory1: 'Snell.pdf', mnuHelpUprav: 'uprav.pdf',
      mnuHelpInstruction: 'instruction.txt',
    };
    for (const [entry, file] of Object.entries(documents)) {
      const menu = entry.startsWith('mnuFile') ? 'mnuFile' : 'mnuHelp';
      const url = await page.newTab(() => choose(page, menu, entry));
      assert.match(url, /^blob:/, entry);
      const got = await page.evaluate(async (u) => {
        const blob = await (await fetch(u)).blob();
        const opened = [...document.querySelectorAll('script.velantra-document')]
          .find((s) => s.url === u);
        return { type: blob.type, text: await blob.text(), name: opened?.dataset.name };
      }, url);
      assert.equal(got.name, folder + file);
      if (file.endsWith('.pdf')) {
        assert.equal(got.type, 'application/pdf', entry);
        assert.ok(got.text.startsWith('%PDF'), entry);
      } else {
        assert.match(got.type, /^text\/plain/);
        assert.equal(got.text, fs.readFileSync(path.join(__dirname, '../../docs', folder, file), 'utf8'));
      }
    }
    await page.close();
  });
}

test('the menus open by their access keys and run an entry from the keyboard', async () => {
  const page = await browser.open();
  // Alt with the key of П on a Russian keyboard.
  await page.key('Alt+п');
  assert.equal(await page.attribute('#mnuHelp', 'aria-expanded'), 'true');
  assert.deepEqual(await page.texts('#mnuHelp-entries [role="menuitem"]'),
    ['Инструкция', 'Управление', 'Авторы', 'О программе']);
  assert.equal(await page.count('#mnuHelp-entries [role="separator"]'), 1);
  await page.key('End');
  await page.key('Enter');
  const box = '[role="alertdialog"]';
  await page.waitFor(box);
  assert.equal(await page.text(`${box} .title`), 'О ПРОГРАММЕ');
  assert.match(await page.text(`${box} .message-text`),
    /^Программа моделирует прохождение луча света\nчерез границу двух сред\n/);
  await page.key('Escape');
  await page.waitFor(box, { gone: true });
  assert.equal(await page.focused(), 'CmdOK');
  await page.close();
});

for (const { name, locale, close, authors, label } of editions) {
  test(`the Authors window stands over the centre of the page with its picture and text, ${name}`, async () => {
    const page = await browser.open({ locale });
    await choose(page, 'mnuHelp', 'mnuHelpAvtors');
    assert.deepEqual(await page.named('dialog', authors), ['Form2']);
    const outer = await page.box('#Form2');
    assert.ok(Math.abs(outer.x + outer.width / 2 - 640) <= 1);
    assert.ok(Math.abs(outer.y + outer.height / 2 - 400) <= 1);
    assert.deepEqual(await page.box('#Form2 .client').then((b) => [b.width, b.height]), [222, 297]);
    const image = await page.evaluate(() => {
      const e = document.getElementById('Form2-Image1');
      return [e.naturalWidth, e.naturalHeight];
    });
    assert.deepEqual(image, [150, 180]);
    assert.match(await page.text('#Form2-Label1'), label);
    assert.equal((await page.named('button', close)).length, 1);
    await page.click('#Form2 .close');
    assert.equal(await page.count('#Form2'), 0);
    await page.close();
  });
}

test('leaving the page asks first, and staying keeps the program', async () => {
  const page = await browser.open();
  await page.click('#CmdOK');
  assert.equal(await page.leave(false), 'beforeunload');
  assert.equal(await page.value('#Text6'), ' 45');
  // Leaving after all closes it.
  await page.leave(true);
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
  const page = await browser.open({
    url: `${origin}/course.html`, allowed: new RegExp(`^(${origin}/|data:|blob:)`),
  });
  const frame = await page.frame('iframe');
  await frame.ready();
  await frame.focus('#CmdOK');
  await frame.key('Space');
  assert.equal(await frame.text('#Label14'), 'X01,X02=1,88, -22,55');
  assert.deepEqual(page.requests, []);
  assert.deepEqual(await page.errors(), []);
  await page.close();
  server.close();
});
