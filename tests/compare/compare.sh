#!/bin/bash
# Runs the comparison driver of both builds and fails on any line that differs.
# Usage: compare.sh NATIVE_DRIVER WEB_DRIVER.js. VELANTRA_REQUIRE_WEB=1 fails where the
# browser build is missing instead of skipping.
set -euo pipefail
native=$1
web=$2
if [[ ! -f $web ]]; then
  echo "no browser build at $web (build it with emcmake cmake -S . -B build-web)"
  [[ ${VELANTRA_REQUIRE_WEB:-0} == 1 ]] && exit 1
  exit 77
fi
node=$(command -v node || command -v nodejs) || { echo "node not found: install nodejs"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# Both at once: each takes one core.
"$native" > "$out/native.txt" &
native_run=$!
"$node" "$web" > "$out/web.txt"
wait "$native_run"
lines=$(wc -l < "$out/native.txt")
scenes=$(grep -c '^scene ' "$out/native.txt" || true)
if ! cmp -s "$out/native.txt" "$out/web.txt"; then
  differing=$(diff "$out/native.txt" "$out/web.txt" | grep -c '^[<>]' || true)
  echo "the builds differ: $differing of $lines lines ($scenes scenes); the first:"
  diff "$out/native.txt" "$out/web.txt" | head -40
  exit 1
fi
echo "the builds agree: $lines lines over $scenes scenes"
