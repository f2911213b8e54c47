#!/usr/bin/env bash
# Installs what is missing, checks the sources' format, builds Tarnwick with
# warnings as errors, AddressSanitizer and UndefinedBehaviorSanitizer, fuzzes
# the document reader for a bounded time, then runs every test suite
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh
jobs=$(nproc)
[ "$jobs" -gt 8 ] && jobs=8

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON -DTARNWICK_WERROR=ON \
  -DTARNWICK_BUILD_BENCH=ON >/dev/null
cmake --build build-test -j "$jobs"
scripts/fuzz.sh "${TARNWICK_FUZZ_SECONDS:-60}"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure --no-tests=error -j "$jobs"
