#!/usr/bin/env bash
# Runs one fuzzer for a while: bash scripts/fuzz.sh Bitmap|Jpeg|Png|Heif|Webp|Tiff|Gif|Setup SECONDS
# Builds with clang, libFuzzer and the address and undefined-behaviour sanitizers in build-asan/,
# starting from the seed files in fuzz/corpus (new finds go to build-asan/corpus).
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?which fuzzer: Bitmap, Jpeg, Png, Heif, Webp, Tiff, Gif or Setup}
seconds=${2:-60}
lower=$(echo "$target" | tr '[:upper:]' '[:lower:]')
bash scripts/configure-sanitized.sh
cmake --build build-asan -j"$(nproc)" --target "Fuzz$target" >> build-asan.log 2>&1 \
  || { tail -n 40 build-asan.log; exit 1; }
mkdir -p "build-asan/corpus/$lower"
dictionary=()
[ -f "fuzz/$lower.dict" ] && dictionary=(-dict="fuzz/$lower.dict")
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
exec "build-asan/fuzz/Fuzz$target" "${dictionary[@]}" -max_total_time="$seconds" -rss_limit_mb=4096 \
  -timeout=10 "build-asan/corpus/$lower" "fuzz/corpus/$lower"
