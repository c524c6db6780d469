#!/usr/bin/env bash
# What one run of the command-line designer costs, start-up included: instructions (valgrind's
# count, stable from run to run) and wall time, for each example project.
#
#   bash bench/cli_startup.sh [BUILD_DIR] [RUNS]
#
# Needs valgrind for the instruction count (apt-get install valgrind); it is used for this
# measurement only, and without it the script gives the wall times alone.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-200}
cli=$build/bin/qelvux-cli
[ -x "$cli" ] || { echo "no $cli: build the target qelvux-cli first" >&2; exit 2; }

for f in examples/*.vux; do
  start=$(date +%s%N)
  for _ in $(seq "$runs"); do "$cli" "$f" >/dev/null || true; done
  end=$(date +%s%N)
  wall=$(( (end - start) / runs / 1000 ))
  if command -v valgrind >/dev/null; then
    ir=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$cli" "$f" 2>&1 >/dev/null |
         sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' || true)
    printf '%-24s %8s us %12s instructions\n' "$(basename "$f")" "$wall" "$ir"
  else
    printf '%-24s %8s us (valgrind missing: no instruction count)\n' "$(basename "$f")" "$wall"
  fi
done
