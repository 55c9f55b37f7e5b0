#!/usr/bin/env bash
# The browser edition's benchmarks beside the desktop's from the same run on this machine:
# first frame, a keystroke in the angle box and a ПУСК of the longest walk, 1920 × 1080 logical
# pixels at device pixel ratio 2 (the desktop's 4K screen at 200 %). Needs build-web/velantra.html
# and, for the desktop's column, a benchmark build (velantra_bench) in the folder given.
# Usage: bench-web.sh [build with velantra_bench]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error
web=$(node bench/web/bench.js)
desktop='{}'
if [ -x "$build/bench/velantra_bench" ]; then
  desktop=$("$build/bench/velantra_bench" --benchmark_format=json \
    --benchmark_filter='^BM_StartToFirstFrame|^BM_Scale4K_(KeystrokeInText6|RunLongest)<2>' 2>/dev/null)
fi
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
echo "Machine: $(nproc) cores, ${cpu:-unknown CPU}, Debian $(cat /etc/debian_version 2>/dev/null || echo '?'), $(date -u +%Y-%m-%d)"
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
  const rows = [
    ["first painted frame (browser: file:// load; desktop: process start, Xvfb)", web.first_frame_ms, ms("BM_StartToFirstFrame")],
    ["keystroke in Text6, all nested passes, drawn", web.keystroke_text6_ms, ms("BM_Scale4K_KeystrokeInText6<2>")],
    ["ПУСК of the longest walk, drawn", web.run_longest_ms, ms("BM_Scale4K_RunLongest<2>")],
  ];
  console.log("| benchmark (1920 × 1080, ratio 2) | browser (Chromium) | desktop (Qt) |");
  console.log("|---|---|---|");
  for (const [what, b, d] of rows) console.log(`| ${what} | ${b.toFixed(2)} ms | ${d} |`);
  console.log(`\nBrowser, first contentful paint: ${web.first_contentful_paint_ms.toFixed(0)} ms; ` +
    `a page of one line of text: ${web.floor_first_contentful_paint_ms.toFixed(0)} ms.`);
' "$web" "$desktop"
