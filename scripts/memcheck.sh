#!/usr/bin/env bash
# Runs the core test suite (every test but the Qt widget tests) under valgrind memcheck on a
# normal optimised build: any memory error or definite/indirect/possible leak fails it.
# Too slow for CI; run by hand: scripts/memcheck.sh [build folder, default build-memcheck]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-memcheck}
command -v valgrind > /dev/null || {
  export DEBIAN_FRONTEND=noninteractive
  apt-get update && apt-get install -y --no-install-recommends valgrind
}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQELVUX_BENCH=OFF > /dev/null
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/memcheck" && mkdir -p "$build/memcheck"
logs=$(cd "$build/memcheck" && pwd)
# The test commands and folders as CTest knows them; the widget tests are left out.
ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys, shlex
for t in json.load(sys.stdin)["tests"]:
    if t["name"].startswith("ui_") or t["name"] == "install_prefix":
        continue
    wd = next((p["value"] for p in t.get("properties", []) if p["name"] == "WORKING_DIRECTORY"), ".")
    print(t["name"], shlex.quote(wd), " ".join(shlex.quote(a) for a in t["command"]))
' > "$logs/tests.txt"
failed=0
count=0
while read -r name wd cmd; do
  count=$((count + 1))
  if (eval cd "$wd" && eval valgrind --quiet --error-exitcode=99 --leak-check=full \
        --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
        --log-file="$logs/$name.log" $cmd) < /dev/null > "$logs/$name.out" 2>&1; then
    echo "memcheck clean: $name"
  else
    echo "memcheck FAILED: $name (see $logs/$name.log)"
    failed=$((failed + 1))
  fi
done < "$logs/tests.txt"
echo "memcheck: $((count - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
