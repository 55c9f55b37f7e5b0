#!/usr/bin/env bash
# Fails when a tracked C++ file is not laid out as .clang-format says, and names the files.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/toolchain.sh
need_tool "$CLANG_FORMAT" "${LLVM_PACKAGES[3]}"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
bad=()
for f in "${files[@]}"; do
  "$CLANG_FORMAT" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted (run: $CLANG_FORMAT -i <file>):"
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "format: ${#files[@]} files clean"
