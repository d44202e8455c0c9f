#!/usr/bin/env bash
# Builds the program and its tests a second time with clang's address and undefined-behaviour
# sanitizers in build-asan/, runs every test there, then replays each fuzzer's seed files and
# fuzzes each reader for a minute. Any sanitizer report fails the run.
# Expects the packages of install-deps.sh; scripts/test.sh calls it after the plain build.
set -euo pipefail
cd "$(dirname "$0")/.."
fuzz_seconds=${TILETTES_FUZZ_SECONDS:-60}
bash scripts/configure-sanitized.sh
# Listing the tests runs each test program once while building; leaks are looked for in the runs.
ASAN_OPTIONS=detect_leaks=0 cmake --build build-asan -j"$(nproc)" >> build-asan.log 2>&1 \
  || { tail -n 60 build-asan.log; exit 1; }

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-asan && ctest --output-on-failure -j"$(nproc)" --timeout 600)

# The fuzzers take their own allocation limits.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
for target in $(ls fuzz/Fuzz*.cpp | sed 's|fuzz/Fuzz\(.*\)\.cpp|\1|'); do
  lower=$(echo "$target" | tr '[:upper:]' '[:lower:]')
  fuzzer="build-asan/fuzz/Fuzz$target"
  dictionary=()
  [ -f "fuzz/$lower.dict" ] && dictionary=(-dict="fuzz/$lower.dict")
  echo "== $target: replaying fuzz/corpus/$lower, then fuzzing for ${fuzz_seconds} s"
  "$fuzzer" -runs=0 "fuzz/corpus/$lower" 2>&1 | tail -n 2
  finds=$(mktemp -d)
  log="build-asan/fuzz-$lower.log"
  # A crash, leak or timeout ends the fuzzer with a report and a non-zero status.
  if ! "$fuzzer" "${dictionary[@]}" -max_total_time="$fuzz_seconds" -rss_limit_mb=4096 -timeout=10 \
      -artifact_prefix=build-asan/ -print_final_stats=1 "$finds" "fuzz/corpus/$lower" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "Fuzz$target found a fault; its input is in build-asan/"
    exit 1
  fi
  grep -E "^stat::number_of_executed_units|DONE" "$log" || true
  rm -rf "$finds"
done
echo "Sanitized tests and fuzzing passed"
