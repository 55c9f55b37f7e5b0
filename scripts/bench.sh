#!/usr/bin/env bash
# Runs every benchmark of the project and prints one Markdown table with the machine it ran on.
set -euo pipefail
build=${1:-build}
out=$("$build/bench/velantra_bench" --benchmark_color=false 2>/dev/null)
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
echo "Machine: $(nproc) cores, ${cpu:-unknown CPU}, Debian $(cat /etc/debian_version 2>/dev/null || echo '?'), $(date -u +%Y-%m-%d)"
echo
echo "| benchmark | what it measures | wall time | CPU time | figures |"
echo "|---|---|---|---|---|"
printf '%s\n' "$out" | awk '
  BEGIN {
    what["BM_RunStartUp"] = "ray run, start-up scene (null surface)"
    what["BM_RunClimb135"] = "ray run, a0 = 135 (refracts and reflects)"
    what["BM_RunLongest"] = "ray run, longest walk (level start across the picture)"
    what["BM_Frame"] = "one frame: parametr, clear, plot edges, axes, grid, shading (698 × 247)"
    what["BM_StartToFirstFrame"] = "the real program, process start to first painted frame (Xvfb), median of 15 starts"
    what["BM_StartToFirstFrameBareQt"] = "baseline: a bare Qt program, one empty 860 × 306 main window, timed the same way"
    what["BM_KeystrokeInText6"] = "one keystroke in the angle box, all nested redraws"
    what["BM_ResizePass"] = "one resize pass of the window"
    what["BM_LogicKeystrokeInText6"] = "one keystroke in the angle box, the window's logic alone (null surface)"
    what["BM_LogicResizePass"] = "one resize pass, the window's logic alone (null surface)"
    what["BM_LogicSoakMillionActions"] = "1,000,000 mixed actions on the window's logic, every text and caption checked after each"
    what["BM_ConstructShowFirstFrame"] = "construct and show the window to its first frame (in process)"
    what["BM_RunLongestRaster"] = "ray run, longest walk, drawn into the 698 × 247 raster picture"
    what["BM_Scale4K_ResizePass<1>"] = "resize pass and repaint, maximised on 3840 × 2160, ratio 1"
    what["BM_Scale4K_ResizePass<2>"] = "resize pass and repaint, maximised on 3840 × 2160, ratio 2"
    what["BM_Scale4K_KeystrokeInText6<1>"] = "keystroke in the angle box and repaint, 4K, ratio 1"
    what["BM_Scale4K_KeystrokeInText6<2>"] = "keystroke in the angle box and repaint, 4K, ratio 2"
    what["BM_Scale4K_RunLongest<1>"] = "ПУСК of the longest walk and repaint, 4K, ratio 1"
    what["BM_Scale4K_RunLongest<2>"] = "ПУСК of the longest walk and repaint, 4K, ratio 2"
  }
  # Of a benchmark repeated, the median alone.
  /^BM_.*_(mean|stddev|cv)[[:space:]]/ { next }
  /^BM_/ {
    base = $1; sub(/\/.*/, "", base)
    if ($2 == "ERROR") { if (base in skipped) next; skipped[base] = 1; line = $0; sub(/.*ERROR OCCURRED: /, "", line); rows[++n] = sprintf("| %s | %s | skipped: %s | |", base, what[base], line); next }
    extra = ""
    for (i = 7; i <= NF; i++) extra = extra (extra == "" ? "" : ", ") $i
    u1 = $3; if (u1 == "us") u1 = "µs"; u2 = $5; if (u2 == "us") u2 = "µs"
    # The start-up row gets its ratio to the bare Qt program once both are in.
    if (base ~ /^BM_StartToFirstFrame/) {
      time[base] = $2 * (u1 == "s" ? 1000 : 1)
      for (i = 7; i <= NF; i++) if ($i ~ /^child_cpu_ms=/) { cpu[base] = $i; sub(/.*=/, "", cpu[base]) }
    }
    rows[++n] = sprintf("| %s | %s | %s %s | %s %s | %s", base, what[base], $2, u1, $4, u2, extra)
    names[n] = base
  }
  END {
    bare = time["BM_StartToFirstFrameBareQt"]; real = time["BM_StartToFirstFrame"]
    for (i = 1; i <= n; i++) {
      if (names[i] == "BM_StartToFirstFrame" && bare > 0 && real > 0)
        rows[i] = rows[i] sprintf(", %.2f × the bare Qt program (processor time %.2f ×)", real / bare,
                                  cpu["BM_StartToFirstFrameBareQt"] > 0 ? cpu["BM_StartToFirstFrame"] / cpu["BM_StartToFirstFrameBareQt"] : 0)
      print rows[i] " |"
    }
  }'
