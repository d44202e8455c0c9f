#!/usr/bin/env bash
# Installs what the program needs, builds it and runs every test, the ones in a real X server too;
# then runs them all again built with the address and undefined-behaviour sanitizers, and fuzzes
# the file readers for a minute each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)" --timeout 300)
bash scripts/test-sanitized.sh
