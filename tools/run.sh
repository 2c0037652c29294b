#!/usr/bin/env bash
# Builds the program and starts it. Without a display, run it as
#   xvfb-run -a tools/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/ui/right-triangle "$@"
