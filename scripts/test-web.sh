#!/usr/bin/env bash
# The browser edition's tests in three engines, each from Debian's own packages: Chromium
# (Playwright), Firefox ESR headless (WebDriver BiDi through Puppeteer) and WebKitGTK's
# MiniBrowser (WebKitWebDriver through Selenium, on an Xvfb the driver starts). The npm tools
# are pinned in package-lock.json and download no browser. Usage: test-web.sh [engine...]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/velantra.html ] || { echo "test-web.sh: build-web/velantra.html missing (make web)" >&2; exit 1; }
# node_modules is installed afresh when any package in it differs from the lock.
node -e '
  const lock = require("./package-lock.json").packages;
  for (const [at, p] of Object.entries(lock)) {
  if (!at) continue;
  try { if (require(`./${at}/package.json`).version === p.version) continue; } catch {}
  process.exit(1);
  }' || npm ci --no-audit --no-fund --loglevel=error
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
failed=0
engines=("$@")
[ ${#engines[@]} -gt 0 ] || engines=(chromium firefox webkit)
for e in "${engines[@]}"; do
  start=$(date +%s%N)
  status=0
  VELANTRA_ENGINE=$e node --test --test-reporter=tap --test-timeout=180000 tests/web/ >"$log/$e" 2>&1 || status=$?
  tenths=$((($(date +%s%N) - start) / 100000000))
  pass=$(sed -n 's/^# pass //p' "$log/$e" | tail -n 1)
  fail=$(sed -n 's/^# fail //p' "$log/$e" | tail -n 1)
  echo "web $e: ${pass:-0} passed, ${fail:-?} failed ($((tenths / 10)).$((tenths % 10)) s)"
  if [ "$status" -ne 0 ]; then
    failed=1
    grep -v '^ *duration_ms\|^ *\.\.\.$\|^ *---$' "$log/$e" | grep -A 24 '^not ok' || tail -n 40 "$log/$e"
  fi
done
exit "$failed"
