#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it (arguments are passed on).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/bin/qelvux ]; then
  exec build/bin/qelvux "$@"
fi
echo "The desktop program is not built yet; the command-line designer and tests are in build/bin."
