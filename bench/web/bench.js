// Browser benchmarks of the browser edition, through the tests' driver, in each engine given
// (all three by default), on each screen given (by default 1366 × 768 at device pixel ratio 1 and
// 1920 × 1080 at ratio 2): file:// load to the first frame showing the start-up state, beside the
// first frame of a page of one line loaded the same way and in turn with it (the browser's own
// share), and beside a page of that line and one canvas the size of the program's picture,
// filled and crossed by one line (the browser's share of a picture that size, drawn and shown);
// with --before=FILE another build of the page (the one before a change) loaded in the same
// rounds; the page's marks of its start (performance.measure, "velantra …"); the page's memory
// once started; on the last screen one keystroke in the angle box with all its nested passes
// and a ПУСК of the longest walk, each action until its drawing is on the canvas.
// Usage: node bench.js [--before=FILE] [--screens=1366x768@1,1920x1080@2] [--rounds=N]
//          [chromium|firefox|webkit]...
// Prints one JSON object of medians in milliseconds and bytes, keyed by engine and screen.
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { engines, page_url } = require('../../tests/web/driver');
const here = page_url.replace(/^file:\/\//, '');

const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };
const parseScreen = (text) => {
  const m = /^(\d+)x(\d+)@([\d.]+)$/.exec(text);
  if (!m) throw new Error(`bench.js: a screen is WIDTHxHEIGHT@RATIO, not ${text}`);
  return { width: +m[1], height: +m[2], ratio: +m[3], name: text };
};

// The first frame with anything on it: nothing in the program's page is drawn before the
// program has built its window and drawn its picture, all in one task.
// WebKit reports it some hundreds of milliseconds late.
async function firstPaint(page) {
  for (const end = Date.now() + 10000; ;) {
    const at = await page.evaluate(() =>
      performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? null);
    if (at !== null) return at;
    if (Date.now() > end) throw new Error('the engine reports no first contentful paint');
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Opens a build of the page and waits until it has started (the driver waits only for its own).
async function openPage(browser, screen, file) {
  const page = await browser.open({ ...screen, url: `file://${file}` });
  if (file !== here) await page.waitFor('body[data-ready="true"]');
  return page;
}

// The page's own marks of its start, by name: [start, duration] in milliseconds.
const marks = (page) => page.evaluate(() => Object.fromEntries(performance.getEntriesByType('measure')
  .filter((m) => m.name.startsWith('velantra ')).map((m) => [m.name.slice(9), [m.startTime, m.duration]])));

async function firstFrames(browser, screen, rounds, builds) {
  const floorFile = path.join(os.tmpdir(), `velantra-bench-floor-${process.pid}.html`);
  const canvasFile = path.join(os.tmpdir(), `velantra-bench-canvas-${process.pid}.html`);
  const line = '<!DOCTYPE html><meta charset="utf-8"><title>t</title><p>Velantra</p>';
  fs.writeFileSync(floorFile, line);
  try {
    const sized = await openPage(browser, screen, builds[0][1]);
    const picture = await sized.evaluate(() => {
      const c = document.getElementById('Picture1');
      return { width: c.width, height: c.height, cssWidth: c.clientWidth, cssHeight: c.clientHeight };
    });
    await sized.close();
    fs.writeFileSync(canvasFile, `${line}<canvas id="c" width="${picture.width}" height="${picture.height}" ` +
      `style="width:${picture.cssWidth}px;height:${picture.cssHeight}px"></canvas><script>` +
      "const g = document.getElementById('c').getContext('2d', { alpha: false });" +
      `g.fillStyle = '#fff'; g.fillRect(0, 0, ${picture.width}, ${picture.height}); g.strokeStyle = 'red';` +
      `g.beginPath(); g.moveTo(0, 0); g.lineTo(${picture.width}, ${picture.height}); g.stroke();</script>`);
    const floors = [], canvases = [];
    const runs = Object.fromEntries(builds.map(([name]) => [name, { frames: [], heaps: [], wasm: [], marks: [] }]));
    for (let i = 0; i < rounds; ++i) {
      for (const [file, into] of [[floorFile, floors], [canvasFile, canvases]]) {
        const bare = await browser.open({ ...screen, url: `file://${file}` });
        into.push(await firstPaint(bare));
        await bare.close();
      }
      // Each build in turn, in a different order each round.
      const order = i % 2 ? [...builds].reverse() : builds;
      for (const [name, file] of order) {
        const page = await openPage(browser, screen, file);
        const run = runs[name];
        run.frames.push(await firstPaint(page));
        const memory = await page.evaluate(() => ({
          heap: performance.memory ? performance.memory.usedJSHeapSize : null,
          // The glue of emscripten 3.1.6 and of 3.1.69 alike keeps its views of the memory global.
          wasm: HEAP8.buffer.byteLength,
        }));
        if (memory.heap !== null) run.heaps.push(memory.heap);
        run.wasm.push(memory.wasm);
        run.marks.push(await marks(page));
        await page.close();
      }
    }
    const floor = median(floors), canvas = median(canvases);
    const result = { floor_first_frame_ms: floor, canvas_first_frame_ms: canvas, canvas_ratio: canvas / floor,
      picture_pixels: [picture.width, picture.height], floor_spread_ms: [Math.min(...floors), Math.max(...floors)],
      canvas_spread_ms: [Math.min(...canvases), Math.max(...canvases)], builds: {} };
    for (const [name, run] of Object.entries(runs)) {
      const first = median(run.frames);
      const steps = [...new Set(run.marks.flatMap((m) => Object.keys(m)))];
      result.builds[name] = { first_frame_ms: first, spread_ms: [Math.min(...run.frames), Math.max(...run.frames)],
        ratio: first / floor, canvas_page_ratio: first / canvas,
        script_heap_bytes: run.heaps.length ? median(run.heaps) : null, wasm_memory_bytes: median(run.wasm),
        // Each mark's median start and duration.
        marks: Object.fromEntries(steps.map((step) => {
          const got = run.marks.map((m) => m[step]).filter(Boolean);
          return [step, [median(got.map((g) => g[0])), median(got.map((g) => g[1]))]];
        })) };
    }
    return result;
  } finally {
    for (const file of [floorFile, canvasFile]) fs.rmSync(file, { force: true });
  }
}

async function actions(browser, screen) {
  const page = await browser.open(screen);
  const timed = (code, n) => page.evaluate(([source, count]) => {
    const step = new Function('i', source);
    // Reading one pixel back waits until the canvas has drawn what the action asked for.
    const canvas = document.getElementById('Picture1').getContext('2d');
    const times = [];
    for (let i = 0; i < count; ++i) {
      const start = performance.now();
      step(i);
      canvas.getImageData(0, 0, 1, 1);
      times.push(performance.now() - start);
    }
    return times;
  }, [code, n]);
  // The text a keystroke leaves, handed in as the browser hands it: a digit typed at the end
  // of " 45", then erased, alternately.
  const typing = `const e = document.getElementById('Text6');
    e.value = i % 2 ? ' 45' : ' 457'; e.setSelectionRange(e.value.length, e.value.length);
    e.dispatchEvent(new InputEvent('input', { inputType: 'insertText' }));`;
  const keystroke = median(await timed(typing, 200));
  // The longest walk, put in as a prepared scene: a level start at the left edge, half a metre down.
  await page.evaluate(() => new Promise((resolve) => {
    window.addEventListener('hashchange', () => setTimeout(resolve, 100), { once: true });
    location.hash = '#n1=1.000292&nmin=1.3333&nmax=1.3333&x0=0&yo=.5&a0=90';
  }));
  const scene = await page.evaluate(() =>
    ['Text3', 'Text4', 'Text5', 'Text6'].map((id) => document.getElementById(id).value));
  const run = median(await timed(`document.getElementById('CmdOK').click();`, 100));
  await page.close();
  return { keystroke_text6_ms: keystroke, run_longest_ms: run, scene };
}

async function measure(engine, { screens, rounds, builds }) {
  const browser = await require(`../../tests/web/driver/${engine}`).launch({ page_url });
  try {
    const result = { screens: {} };
    for (const screen of screens) result.screens[screen.name] = await firstFrames(browser, screen, rounds, builds);
    Object.assign(result, await actions(browser, screens[screens.length - 1]));
    return result;
  } finally {
    await browser.close();
  }
}

(async () => {
  const options = { screens: '1366x768@1,1920x1080@2' };
  const chosen = [];
  for (const a of process.argv.slice(2)) {
    const m = /^--(\w+)=(.*)$/.exec(a);
    if (m) options[m[1]] = m[2]; else chosen.push(a);
  }
  const screens = options.screens.split(',').map(parseScreen);
  const builds = [['page', here]];
  if (options.before) builds.push(['before', path.resolve(options.before)]);
  const results = {};
  for (const engine of chosen.length ? chosen : engines) {
    if (!engines.includes(engine)) throw new Error(`bench.js: ${engine} is not one of ${engines}`);
    // WebKit opens each page in a driver session of its own, seconds each.
    const rounds = options.rounds ? +options.rounds : engine === 'webkit' ? 5 : 11;
    results[engine] = await measure(engine, { screens, rounds, builds });
  }
  console.log(JSON.stringify(results));
})();
