// One interface over three browser engines, so that each check is written once. The engine is
// chosen by VELANTRA_ENGINE: chromium (the default, Playwright), firefox (Firefox ESR headless,
// WebDriver BiDi through Puppeteer) or webkit (WebKitGTK's MiniBrowser through WebKitWebDriver
// and Selenium, under an Xvfb of its own).
//
//   const { engine, launch, page_url, build } = require('./driver');
//   const browser = await launch();
//   const page = await browser.open({ width: 1280, height: 800, ratio: 1, touch: false,
//     locale: 'ru-RU', url: page_url, allowed: /^(file|data|blob):/ });
//     Opened from file:// it waits for the program's start. page.requests lists what it tried
//     to fetch outside `allowed` (refused), await page.errors() its uncaught script errors.
//   Actions, as a person does them (pointer at an element's centre, CSS pixels of the viewport):
//     page.click(selector), page.tap(selector), page.mouse.move(x, y) / down() / up(),
//     page.touch.tap(x, y) / down(x, y) / move(x, y) / up(), page.focus(selector),
//     page.key('Enter' | 'Tab' | 'End' | 'Control+A' | 'Alt+п' | ...), page.type(text)
//   Reads:
//     page.text(selector), page.value(selector), page.attribute(selector, name),
//     page.box(selector) → { x, y, width, height } | null, page.visible(selector),
//     page.count(selector), page.texts(selector) → [textContent], page.focused() → id,
//     page.named(role, name) → ids ('' without one) of the elements of that role and
//     accessible name, page.pixel(x, y) → [r, g, b] of the picture at its CSS pixel,
//     page.title(), page.evaluate(fn, arg), page.waitFor(selector, { gone }),
//     page.screenshot(file), page.audit() → axe-core's violations
//   Other tabs and frames:
//     page.newTab(action) → the address of the tab `action` opened (which is closed again),
//     page.leave(answer) → the question the page asked before it was closed ('beforeunload'
//       or null); answer true lets it close, false stays,
//     page.frame(selector) → the reads, focus and keys inside that iframe,
//     page.close(), browser.close()
'use strict';
const path = require('node:path');

const build = path.resolve(__dirname, '../../../build-web');
const page_url = `file://${build}/velantra.html`;
const engines = ['chromium', 'firefox', 'webkit'];
const engine = process.env.VELANTRA_ENGINE || 'chromium';
if (!engines.includes(engine)) throw new Error(`VELANTRA_ENGINE: ${engine} is not one of ${engines}`);

const launch = () => require(`./${engine}`).launch({ page_url });

module.exports = { engine, engines, launch, page_url, build };
