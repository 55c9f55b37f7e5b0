#!/usr/bin/env bash
# The browser edition's tests in Debian's Chromium, headless, through Playwright (pinned in
# package-lock.json; it drives /usr/bin/chromium and downloads no browser of its own).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/velantra.html ] || { echo "test-web.sh: build-web/velantra.html missing (make web)" >&2; exit 1; }
locked=$(node -p "require('./package-lock.json').packages['node_modules/playwright-core'].version")
installed=$(node -p "require('./node_modules/playwright-core/package.json').version" 2>/dev/null || true)
[ "$locked" = "$installed" ] || npm ci --no-audit --no-fund --loglevel=error
node --test tests/web/
