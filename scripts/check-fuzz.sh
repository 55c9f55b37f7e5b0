#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a short while
# from its seed corpus; any crash, leak, timeout or sanitizer report fails the check.
# FUZZ_SECONDS sets the time per target (30 by default); the inputs found are kept in
# build-fuzz/corpus/<target>, and a crash file in build-fuzz/crashes/<target>, to be
# copied into fuzz/regressions/<target>/ once mended.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/toolchain.sh
need_tool "$CLANGXX" "${LLVM_PACKAGES[0]}"
seconds="${FUZZ_SECONDS:-30}"
build=build-fuzz
targets=(numval format scene typing address)

# A folder configured with another clang is made afresh: CMake cannot switch compilers in place.
if ! grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=.*$CLANGXX" "$build/CMakeCache.txt" 2>/dev/null; then
  rm -rf "$build"
  CC=$CLANG CXX=$CLANGXX cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELANTRA_FUZZ=ON >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
  rm -f "$build.configure.log"
fi
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

status=0
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  echo "-- fuzz_$t for ${seconds}s"
  # The typing window lives across inputs, so one input's allocations and frees need not pair
  # up, and libFuzzer would run every other input again to look for a leak there. A leak is
  # still reported when the run ends, and fails the check.
  per_input=()
  [[ $t == typing ]] && per_input=(-detect_leaks=0)
  if ! ASAN_OPTIONS="detect_leaks=1:abort_on_error=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "$build/fuzz/fuzz_$t" "$corpus" "fuzz/corpus/$t" "${per_input[@]}" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=2048 -max_len=512 -print_final_stats=1 \
      -artifact_prefix="$crashes/" >"$build/fuzz_$t.log" 2>&1; then
    status=1
    echo "fuzz_$t FAILED; its log:"
    tail -n 60 "$build/fuzz_$t.log"
  fi
  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec" "$build/fuzz_$t.log" |
    sed "s/^/   /" || true
  # Regressions are replayed here too: a kept crash must stay mended.
  if compgen -G "fuzz/regressions/$t/*" >/dev/null; then
    "$build/fuzz/fuzz_$t" -runs=0 fuzz/regressions/$t/* >>"$build/fuzz_$t.log" 2>&1 ||
      { status=1; echo "fuzz_$t: a kept regression fails"; }
  fi
done
exit $status
