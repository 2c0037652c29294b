#!/usr/bin/env bash
# Builds the program and starts it. Without a display, run it as
#   xvfb-run -a tools/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
if [ -x build/dev/ui/right-triangle ]; then
  exec build/dev/ui/right-triangle "$@"
fi
exec build/dev/tools/right-triangle-solve --help
