#!/usr/bin/env bash
# Builds everything and runs every test, headless: the desktop program and
# its tools, then the browser edition.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev "$@"
tools/web-test.sh
