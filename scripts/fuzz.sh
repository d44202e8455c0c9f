#!/usr/bin/env bash
# Runs one fuzzer for a while: bash scripts/fuzz.sh Bitmap|Jpeg|Png|Setup SECONDS
# Builds with clang, libFuzzer and the address and undefined-behaviour sanitizers in build-fuzz/,
# starting from the seed files in fuzz/corpus (new finds go to build-fuzz/corpus).
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?which fuzzer: Bitmap, Jpeg, Png or Setup}
seconds=${2:-60}
lower=$(echo "$target" | tr '[:upper:]' '[:lower:]')
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
  -DTILETTES_FUZZ=ON -DTILETTES_TESTS=OFF -DTILETTES_WERROR=OFF > build-fuzz.log 2>&1
cmake --build build-fuzz -j"$(nproc)" --target "Fuzz$target" >> build-fuzz.log 2>&1 \
  || { tail -n 40 build-fuzz.log; exit 1; }
mkdir -p "build-fuzz/corpus/$lower"
dictionary=()
[ -f "fuzz/$lower.dict" ] && dictionary=(-dict="fuzz/$lower.dict")
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
exec "build-fuzz/fuzz/Fuzz$target" "${dictionary[@]}" -max_total_time="$seconds" -rss_limit_mb=4096 \
  -timeout=10 "build-fuzz/corpus/$lower" "fuzz/corpus/$lower"
