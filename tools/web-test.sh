#!/usr/bin/env bash
# Builds the browser edition (preset web) and runs its tests: the core tests
# on WebAssembly under node, the same batch of requests through the desktop
# and the WebAssembly core (byte for byte), and the page in Chromium.
# Run after the desktop build (tools/test.sh does both).
set -euo pipefail
cd "$(dirname "$0")/.."
# Emscripten's optimizer needs Debian's acorn; a node that is not Debian's
# does not look in /usr/share/nodejs by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

cmake --preset web >/dev/null
cmake --build --preset web
cmake --build --preset web --target site-archive
ctest --preset web

cd tests/web
# playwright-core from the npm registry (it drives Debian's Chromium and
# downloads no browser); installed again only when the lock file changes.
if ! cmp -s package-lock.json node_modules/.installed-lock.json 2>/dev/null; then
  npm ci --no-audit --no-fund --loglevel=error
  cp package-lock.json node_modules/.installed-lock.json
fi
node --test
