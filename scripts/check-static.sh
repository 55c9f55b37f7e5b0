#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over the program's own sources and cppcheck over every source of
# ours; any finding fails the check.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/toolchain.sh
need_tool "$CLANG_TIDY" "${LLVM_PACKAGES[2]}"
need_tool cppcheck cppcheck
build=${BUILD:-build}
jobs=${JOBS:-$(nproc)}
start=$(date +%s)
[ -f "$build/compile_commands.json" ] ||
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
# The generated sources (moc, rcc) live in the build folder and are not ours to lint.
# The browser's platform layer compiles with emscripten only (make web, warnings as errors there).
mapfile -t sources < <(git ls-files 'model/*.cpp' 'surface/*.cpp' 'platform/*.cpp' 'help/*.cpp' \
  'window/*.cpp' 'desktop/*.cpp' 'resources/*.cpp' 'docs/*.cpp' ':!platform/web/*')
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# GCC-only warning flags in the compile database mean nothing to clang.
if ! printf '%s\n' "${sources[@]}" | xargs -P "$jobs" -n 4 "$CLANG_TIDY" -p "$build" --quiet \
  --extra-arg=-Wno-unknown-warning-option >"$log" 2>&1; then
  grep -E "(warning|error):" "$log" || cat "$log"
  echo "clang-tidy: findings above"
  exit 1
fi
echo "clang-tidy: ${#sources[@]} files clean"
cppcheck --enable=warning,performance,portability --error-exitcode=1 --inline-suppr --quiet \
  --std=c++20 --language=c++ --library=qt --library=googletest -I . \
  --suppress=missingIncludeSystem --suppress=normalCheckLevelMaxBranches model surface window help desktop platform resources docs bench fuzz tests
echo "cppcheck: clean"
# Two targets making the same file race in a parallel build (once "ar: file truncated"): each
# file a rule of the generated Makefiles makes must belong to one target only.
shared=$(find "$build" -path '*/CMakeFiles/*' -name build.make -exec awk '
  /^[^#%$.[:space:]][^:]*:/ { out = $0; sub(/:.*/, "", out); if (out != "cmake_force") print out "\t" FILENAME }
  ' {} + | sort -u | cut -f1 | uniq -d)
[ -z "$shared" ] || { echo "built by more than one target:"; echo "$shared"; exit 1; }
echo "build graph: every file has one target; static checks took $(($(date +%s) - start)) s"
