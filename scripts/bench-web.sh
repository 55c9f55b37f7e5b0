#!/usr/bin/env bash
# The browser edition's benchmarks in Chromium, Firefox ESR and WebKitGTK through the tests'
# driver, beside the desktop's from the same run on this machine: the first frame showing the
# start-up state against a page of one line and a page of that line and a canvas of the
# picture's size, at 1366 × 768 ratio 1 and 1920 × 1080 ratio 2, with the page's marks of its
# start and its memory once started; a keystroke in the angle box and a ПУСК of the longest walk
# at 1920 × 1080 ratio 2 (the desktop's 4K screen at 200 %). Needs build-web/velantra.html and,
# for the desktop's column, a benchmark build (velantra_bench) in the folder given. Options go
# to bench/web/bench.js: --before=FILE loads another build of the page in the same rounds,
# --screens=1366x768@1,... and --rounds=N.
# Usage: bench-web.sh [build with velantra_bench] [--option=...] [engine...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
if [ $# -gt 0 ] && [[ $1 != --* ]] && [[ ! $1 =~ ^(chromium|firefox|webkit)$ ]]; then build=$1; shift; fi
[ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error
web=$(node bench/web/bench.js "$@")
# The medians as measured, for a second look: BENCH_JSON=FILE.
[ -z "${BENCH_JSON:-}" ] || printf "%s\n" "$web" >"$BENCH_JSON"
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
  const spread = ([a, b]) => `${a.toFixed(0)}–${b.toFixed(0)}`;
  const engines = Object.keys(web);
  const screens = Object.keys(web[engines[0]].screens);
  for (const screen of screens) {
    console.log(`| engine, ${screen} | build | first frame (spread) | one-line page | ratio | one line and a canvas of the picture | first frame / canvas page | script heap | WebAssembly memory |`);
    console.log("|---|---|---|---|---|---|---|---|---|");
    for (const e of engines) {
      const s = web[e].screens[screen];
      for (const [name, b] of Object.entries(s.builds)) {
        console.log(`| ${e} | ${name} | ${b.first_frame_ms.toFixed(0)} ms (${spread(b.spread_ms)}) | ` +
          `${s.floor_first_frame_ms.toFixed(0)} ms | ${b.ratio.toFixed(2)} × | ` +
          `${s.canvas_first_frame_ms.toFixed(0)} ms (${spread(s.canvas_spread_ms)}; ${s.picture_pixels.join(" × ")}) | ` +
          `**${b.canvas_page_ratio.toFixed(2)} ×** | ${mib(b.script_heap_bytes)} | ${mib(b.wasm_memory_bytes)} |`);
      }
    }
    console.log();
    const steps = [...new Set(engines.flatMap((e) => Object.values(web[e].screens[screen].builds)
      .flatMap((b) => Object.keys(b.marks))))];
    if (steps.length) {
      console.log(`| marks of the page, ${screen}: start at / duration (ms) | ${engines.join(" | ")} |`);
      console.log(`|---|${engines.map(() => "---|").join("")}`);
      for (const step of steps) {
        console.log(`| ${step} | ${engines.map((e) => {
          const m = web[e].screens[screen].builds.page.marks[step];
          return m ? `${m[0].toFixed(0)} / ${m[1].toFixed(1)}` : "—";
        }).join(" | ")} |`);
      }
      console.log();
    }
  }
  console.log(`| action, drawn (${screens[screens.length - 1]}) | ${engines.join(" | ")} | desktop (Qt) |`);
  console.log(`|---|${engines.map(() => "---|").join("")}---|`);
  const rows = [
    ["keystroke in Text6, all nested passes", "keystroke_text6_ms", "BM_Scale4K_KeystrokeInText6<2>"],
    ["ПУСК of the longest walk", "run_longest_ms", "BM_Scale4K_RunLongest<2>"],
  ];
  for (const [what, key, bench] of rows) {
    console.log(`| ${what} | ${engines.map((e) => `${web[e][key].toFixed(2)} ms`).join(" | ")} | ${ms(bench)} |`);
  }
  console.log(`| desktop: process start to first frame (Xvfb) | ${engines.map(() => "").join(" | ")} | ${ms("BM_StartToFirstFrame")} |`);
' "$web" "$desktop"
