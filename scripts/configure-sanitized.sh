#!/usr/bin/env bash
# Configures build-asan/: clang with the address and undefined-behaviour sanitizers, coverage for
# libFuzzer, the fuzzers and the tests. Used by test-sanitized.sh and fuzz.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
  -DTILETTES_FUZZ=ON -DTILETTES_WERROR=OFF > build-asan.log 2>&1 || { cat build-asan.log; exit 1; }
