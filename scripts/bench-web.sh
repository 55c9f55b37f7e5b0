#!/usr/bin/env bash
# The browser edition's benchmarks in Chromium, Firefox ESR and WebKitGTK through the tests'
# driver, beside the desktop's from the same run on this machine: the first frame showing the
# start-up state against a page of one line, the page's memory once started, a keystroke in the
# angle box and a ПУСК of the longest walk, 1920 × 1080 logical pixels at device pixel ratio 2
# (the desktop's 4K screen at 200 %). Needs build-web/velantra.html and, for the desktop's
# column, a benchmark build (velantra_bench) in the folder given.
# Usage: bench-web.sh [build with velantra_bench] [engine...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
[ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error
web=$(node bench/web/bench.js "$@")
desktop='{}'
if [ -x "$build/bench/velantra_bench" ]; then
  desktop=$("$build/bench/velantra_bench" --benchmark_format=json \
    --benchmark_filter='^BM_StartToFirstFrame|^BM_Scale4K_(KeystrokeInText6|RunLongest)<2>' 2>/dev/null)
fi
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
echo "Machine: $(nproc) cores, ${cpu:-unknown CPU}, Debian $(cat /etc/debian_version 2>/dev/null || echo '?'), $(date -u +%Y-%m-%d), load $(cut -d' ' -f1 /proc/loadavg)"
echo "Page: $(stat -c %s build-web/velantra.html) bytes"
echo
node -e '
  const web = JSON.parse(process.argv[1]);
  const desktop = (JSON.parse(process.argv[2]).benchmarks || []);
  const ms = (name) => {
    const r = desktop.find((b) => b.name.startsWith(name));
    if (!r || r.error_occurred) return "—";
    const unit = { ns: 1e-6, us: 1e-3, ms: 1, s: 1000 }[r.time_unit];
    return `${(r.real_time * unit).toFixed(2)} ms`;
  };
  const mib = (bytes) => bytes === null ? "—" : `${(bytes / 1048576).toFixed(1)} MiB`;
  const engines = Object.keys(web);
  console.log("| engine (1920 × 1080, ratio 2) | first frame | one-line page | ratio | one line and a canvas of the picture | its ratio | script heap | WebAssembly memory |");
  console.log("|---|---|---|---|---|---|---|---|");
  for (const e of engines) {
    const w = web[e];
    console.log(`| ${e} | ${w.first_frame_ms.toFixed(0)} ms | ${w.floor_first_frame_ms.toFixed(0)} ms | ` +
      `${w.ratio.toFixed(2)} × | ${w.canvas_first_frame_ms.toFixed(0)} ms (${w.picture_pixels.join(" × ")}) | ` +
      `${w.canvas_ratio.toFixed(2)} × | ${mib(w.script_heap_bytes)} | ${mib(w.wasm_memory_bytes)} |`);
  }
  console.log(`\n| action, drawn | ${engines.join(" | ")} | desktop (Qt) |`);
  console.log(`|---|${engines.map(() => "---|").join("")}---|`);
  const rows = [
    ["first frame (browser: file:// load; desktop: process start, Xvfb)", "first_frame_ms", "BM_StartToFirstFrame"],
    ["keystroke in Text6, all nested passes", "keystroke_text6_ms", "BM_Scale4K_KeystrokeInText6<2>"],
    ["ПУСК of the longest walk", "run_longest_ms", "BM_Scale4K_RunLongest<2>"],
  ];
  for (const [what, key, bench] of rows) {
    console.log(`| ${what} | ${engines.map((e) => `${web[e][key].toFixed(2)} ms`).join(" | ")} | ${ms(bench)} |`);
  }
' "$web" "$desktop"
