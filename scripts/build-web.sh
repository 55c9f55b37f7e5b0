#!/usr/bin/env bash
# Builds the browser edition, build-web/velantra.html, with Debian's emscripten; the documents
# and pictures it holds come from the native build given as the first argument.
# Usage: build-web.sh [native build] [web build]
set -euo pipefail
cd "$(dirname "$0")/.."
native=$(realpath "${1:-build}")
web=${2:-build-web}
# Debian's emscripten finds its acorn under /usr/share/nodejs, where a Node.js from outside
# Debian does not look on its own.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B "$web" -DCMAKE_BUILD_TYPE=Release -DVELANTRA_NATIVE_BUILD="$native" >/dev/null
cmake --build "$web" -j "${JOBS:-$(nproc)}"
ls -l "$web/velantra.html" | awk '{printf "%s: %d bytes\n", $9, $5}'
