#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite; then builds it again
# with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs it there, where any
# report (memory error, leak, undefined behaviour) fails the run.
# QELVUX_SKIP_SANITIZE=1 leaves the sanitizer build out, for a quick local run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

if [ "${QELVUX_SKIP_SANITIZE:-0}" = 1 ]; then
  echo "sanitizer build skipped (QELVUX_SKIP_SANITIZE=1)"
  exit 0
fi
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELVUX_SANITIZE=ON -DQELVUX_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
source scripts/sanitizers/env.sh
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
