#!/usr/bin/env bash
# Runs each libFuzzer target for FUZZ_SECONDS (default 30) from its seed
# corpus, and fails when any target finds an input that breaks a property.
# A finding is kept in tests/fuzz/regressions/<target>/, where the ordinary
# tests replay it: commit it together with the fix.
# Usage: tools/fuzz.sh [target ...]   (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."
fuzz_seconds=${FUZZ_SECONDS:-30}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(number_reading number_formatting solver class_results)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=()
for target in "${targets[@]}"; do
  echo "-- ${target}: ${fuzz_seconds} s"
  mkdir -p "$work/$target" "tests/fuzz/regressions/$target"
  cp tests/fuzz/corpus/$target/* "$work/$target/"
  status=0
  build/fuzz/tests/fuzz/${target}_fuzzer -max_total_time="$fuzz_seconds" -print_final_stats=1 \
    -artifact_prefix="tests/fuzz/regressions/$target/" "$work/$target" >"$work/$target.log" 2>&1 ||
    status=$?
  grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|property broken|artifact_prefix|Test unit written)' \
    "$work/$target.log" || true
  if [ "$status" -ne 0 ]; then
    echo "${target}: the fuzzer stopped with status ${status}; the last lines of its log:" >&2
    tail -n 30 "$work/$target.log" >&2
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found inputs that break a property in: ${failed[*]} (kept in tests/fuzz/regressions/)" >&2
  exit 1
fi
echo "fuzzing: no findings"
