#!/usr/bin/env bash
# Writes the PDF calculation document of every example with the command-line designer and
# renders each page to docs/report/<example>-<page>.png, to be looked at as a reviewer would.
# Usage: scripts/report-pages.sh [RESOLUTION_DPI] (default 80)
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=${1:-80}
build=${QELVUX_BUILD_DIR:-build}
cmake --build "$build" -j2 --target qelvux-cli qelvux-cli-pdf
out=docs/report
mkdir -p "$out"
rm -f "$out"/*.png
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for project in examples/*.vux; do
  name=$(basename "$project" .vux)
  # The exit code tells pass or fail of the design; the document is written either way.
  "$build/bin/qelvux-cli" "$project" --pdf "$tmp/$name.pdf" > /dev/null || [ $? -eq 1 ]
  pdftoppm -r "$dpi" -png "$tmp/$name.pdf" "$out/$name"
done
ls "$out"
