// Where Chromium's main thread spends a page's start: loads each page given from file:// with
// the tracer on, as bench.js loads it, and prints, in milliseconds from the navigation's start,
// the renderer's top-level tasks up to the first contentful paint with what ran inside them
// (parsing, each script's compile and run, microtasks, layout, paint, commit), then the page's
// own performance marks and measures. Medians of the loads' step totals at the end.
// Usage: node trace.js [--screen=1366x768@1] [--loads=N] [--profile=1] [--window=FROM-TO (ms, every
//          event in it)] PAGE.html...
'use strict';
const path = require('node:path');
const { chromium } = require('playwright-core');

const options = { screen: '1366x768@1', loads: 1 };
const pages = [];
for (const a of process.argv.slice(2)) {
  const m = /^--(\w+)=(.*)$/.exec(a);
  if (m) options[m[1]] = m[2]; else pages.push(path.resolve(a));
}
const [, w, h, r] = /^(\d+)x(\d+)@([\d.]+)$/.exec(options.screen);
const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };

// Each step a name, by the trace event that measures it. Nested events are counted inside the
// step of their own name, never twice.
const steps = [
  ['parse HTML', (e) => e.name === 'ParseHTML'],
  ['script compile', (e) => e.name === 'v8.compile' || e.name === 'V8.CompileCode' || e.name === 'v8.compileModule'],
  ['script run', (e) => e.name === 'EvaluateScript' || e.name === 'v8.run'],
  ['microtasks', (e) => e.name === 'RunMicrotasks' || e.name === 'V8.RunMicrotasks'],
  ['wasm compile (main thread)', (e) => /^wasm\.(Compile|SyncCompile|LazyCompile|CompileLazy)/i.test(e.name)],
  ['wasm instantiate', (e) => /^wasm\.(Instantiate|SyncInstantiate)/i.test(e.name)],
  ['style', (e) => e.name === 'UpdateStyle' || e.name === 'RecalculateStyles'],
  ['layout', (e) => e.name === 'Layout'],
  ['paint', (e) => e.name === 'Paint' || e.name === 'PaintImage'],
  ['commit', (e) => e.name === 'Commit' || e.name === 'ProxyMain::BeginMainFrame::commit'],
  ['garbage collection', (e) => /^(MinorGC|MajorGC|V8\.GC)/.test(e.name)],
];

// With --profile=1, the sampled JavaScript and WebAssembly functions of the renderer up to the
// first contentful paint, by their own time.
function profile(trace, pid, start, end) {
  const nodes = new Map();
  const self = new Map();
  for (const e of trace.filter((x) => x.pid === pid && (x.name === 'Profile' || x.name === 'ProfileChunk'))) {
    const data = e.args?.data;
    if (data?.startTime) data.at = data.startTime;
    const chunk = data?.cpuProfile;
    for (const n of chunk?.nodes ?? []) nodes.set(n.id, n);
    let at = trace.find((x) => x.pid === pid && x.name === 'Profile' && x.id === e.id)?.args.data.startTime ?? 0;
    const deltas = data?.timeDeltas ?? [];
    (chunk?.samples ?? []).forEach((id, i) => {
      at += deltas[i] ?? 0;
      if (at < start || at > end) return;
      const frame = nodes.get(id)?.callFrame;
      const name = frame ? `${frame.functionName || '(anonymous)'} ${frame.url ? path.basename(frame.url) : ''}:${frame.lineNumber ?? ''}` : `node ${id}`;
      self.set(name, (self.get(name) ?? 0) + (deltas[i + 1] ?? deltas[i] ?? 0) / 1000);
    });
  }
  return [...self].sort((a, b) => b[1] - a[1]).slice(0, 40);
}

async function traceOnce(browser, file) {
  const context = await browser.newContext({ viewport: { width: +w, height: +h }, deviceScaleFactor: +r });
  await context.setOffline(true);
  const page = await context.newPage();
  await browser.startTracing(page, { categories: ['devtools.timeline', 'v8', 'v8.wasm', 'blink',
    'blink.user_timing', 'loading', 'disabled-by-default-devtools.timeline', 'cc', 'gpu',
    ...(options.profile ? ['disabled-by-default-v8.cpu_profiler'] : [])] });
  await page.goto(`file://${file}`);
  await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
  await new Promise((resolve) => setTimeout(resolve, 300));
  const marks = await page.evaluate(() => ({
    fcp: performance.getEntriesByName('first-contentful-paint')[0].startTime,
    marks: performance.getEntriesByType('mark').map((m) => [m.name, m.startTime]),
    measures: performance.getEntriesByType('measure').map((m) => [m.name, m.startTime, m.duration]),
  }));
  const trace = JSON.parse((await browser.stopTracing()).toString()).traceEvents;
  await context.close();

  const threads = new Map();
  for (const e of trace) {
    if (e.ph === 'M' && e.name === 'thread_name') threads.set(`${e.pid}:${e.tid}`, e.args.name);
  }
  // The page's renderer: the main thread on which the navigation's parsing ran.
  const parse = trace.find((e) => e.name === 'ParseHTML' && threads.get(`${e.pid}:${e.tid}`) === 'CrRendererMain');
  const main = trace.filter((e) => e.pid === parse.pid && e.tid === parse.tid && (e.ph === 'X' || e.ph === 'B' || e.ph === 'E'));
  const start = trace.find((e) => e.name === 'navigationStart' && e.pid === parse.pid)?.ts ??
    Math.min(...main.map((e) => e.ts));
  const end = start + marks.fcp * 1000;
  // Complete events only; B/E pairs are rare on this thread and left out.
  const complete = main.filter((e) => e.ph === 'X' && e.ts < end && e.dur !== undefined)
    .sort((a, b) => a.ts - b.ts || b.dur - a.dur);
  const totals = Object.fromEntries(steps.map(([name]) => [name, 0]));
  let busy = 0;
  const open = [];
  const lines = [];
  for (const e of complete) {
    while (open.length && open[open.length - 1].ts + open[open.length - 1].dur <= e.ts) open.pop();
    const step = steps.find(([, test]) => test(e));
    if (open.length === 0) busy += (e.tdur ?? e.dur) / 1000;
    // The thread's own time where the trace has it: on a loaded machine the wall time holds the
    // time the thread waited for a core.
    if (step && !open.some((o) => o.step === step[0])) totals[step[0]] += (e.tdur ?? e.dur) / 1000;
    const at = (e.ts - start) / 1000;
    const inWindow = options.window && at >= +options.window.split('-')[0] && at <= +options.window.split('-')[1];
    if ((inWindow && e.dur >= 200) || (e.dur >= 1000 && open.length <= 14 && (step || open.length === 0 || e.dur >= 2000))) {
      const what = e.args?.data?.url ? ` ${path.basename(e.args.data.url)}` : '';
      lines.push(`${((e.ts - start) / 1000).toFixed(1).padStart(7)} ms  ${'  '.repeat(open.length)}${e.name}${what} ${(e.dur / 1000).toFixed(1)} ms` +
        (e.tdur !== undefined ? ` (thread ${(e.tdur / 1000).toFixed(1)})` : ''));
    }
    open.push({ ts: e.ts, dur: e.dur, step: step ? step[0] : (open[open.length - 1]?.step ?? null) });
  }
  // Work off the main thread that the frame waits for: the WebAssembly's compile and the raster.
  const background = trace.filter((e) => e.pid === parse.pid && e.ph === 'X' && e.ts < end &&
    (e.tid !== parse.tid) && /wasm|Raster|Compile/i.test(e.name) && e.dur >= 1000)
    .map((e) => `${((e.ts - start) / 1000).toFixed(1).padStart(7)} ms  [${threads.get(`${e.pid}:${e.tid}`)}] ${e.name} ${(e.dur / 1000).toFixed(1)} ms`);
  totals['main thread busy'] = busy;
  return { marks, totals, lines, background, profile: options.profile ? profile(trace, parse.pid, start, end) : [] };
}

(async () => {
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const results = new Map(pages.map((p) => [p, []]));
  try {
    for (let i = 0; i < +options.loads; ++i) {
      for (const file of pages) results.get(file).push(await traceOnce(browser, file));
    }
  } finally {
    await browser.close();
  }
  for (const [file, runs] of results) {
    const last = runs[runs.length - 1];
    console.log(`\n== ${file} at ${options.screen}, last of ${runs.length} loads: first contentful paint ${last.marks.fcp.toFixed(1)} ms`);
    for (const l of last.lines) console.log(l);
    if (last.background.length) console.log('off the main thread:');
    for (const l of last.background) console.log(l);
    for (const [name, ms] of last.profile) console.log(`self ${ms.toFixed(1).padStart(6)} ms  ${name}`);
    for (const [name, at] of last.marks.marks) console.log(`mark ${name} at ${at.toFixed(1)} ms`);
    for (const [name, at, d] of last.marks.measures) console.log(`measure ${name} at ${at.toFixed(1)} ms: ${d.toFixed(1)} ms`);
    console.log(`medians of ${runs.length}: first contentful paint ${median(runs.map((x) => x.marks.fcp)).toFixed(1)} ms; ` +
      [...steps.map(([name]) => name), 'main thread busy'].map((name) => `${name} ${median(runs.map((x) => x.totals[name])).toFixed(1)}`).join(', ') +
      ' (thread time, ms)');
    const names = [...new Set(runs.flatMap((x) => x.marks.measures.map(([n]) => n)))];
    for (const n of names) {
      const ds = runs.map((x) => x.marks.measures.find(([m]) => m === n)).filter(Boolean).map((m) => m[2]);
      console.log(`  measure ${n}: median ${median(ds).toFixed(1)} ms of ${ds.length}`);
    }
  }
})();
