#!/usr/bin/env bash
# The checks that prove what the tests cannot show alone, as CI runs them:
#   1. the whole test suite, window tests included, under AddressSanitizer
#      and UndefinedBehaviorSanitizer;
#   2. each fuzz target for FUZZ_SECONDS (default 30) from its seed corpus;
#   3. clang-tidy with zero findings and clang-format with no change.
# Run tools/test.sh first: the lint step reads its compile database.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
fuzz_seconds=${FUZZ_SECONDS:-30}

echo "== Sanitizers: the whole suite under ASan and UBSan"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== Fuzzing: ${fuzz_seconds} s a target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in number_reading number_formatting solver; do
  mkdir -p "$work/$target"
  cp tests/fuzz/corpus/$target/* "$work/$target/"
  # Findings land in tests/fuzz/regressions/ (as crash-*), ready to be kept
  # as regression inputs.
  build/fuzz/tests/fuzz/${target}_fuzzer -max_total_time="$fuzz_seconds" -print_final_stats=1 \
    -artifact_prefix="tests/fuzz/regressions/$target/" "$work/$target" 2>&1 |
    grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|property broken)' || true
  test "${PIPESTATUS[0]}" -eq 0
done

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== clang-tidy"
run-clang-tidy-14 -p build/dev -quiet "$(pwd)/(runtime|model|messages|platform|ui|tools|tests|bench)/.*\.cpp$" \
  >"$work/tidy.log" 2>&1 || { sed 's/\x1b\[[0-9;]*m//g' "$work/tidy.log" | grep -E -A3 '(error|warning): '; exit 1; }
echo "clang-tidy: no findings"
