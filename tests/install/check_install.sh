#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed command-line designer on
# the examples with no --data-dir: the reports must equal the golden files. Also checks the
# manual and its pictures, and validates the desktop entry when desktop-file-validate is present.
set -euo pipefail
build=$1
src=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
test -x "$prefix/bin/qelvux-cli"
test -f "$prefix/share/qelvux/Rajatila.dat"
test -f "$prefix/share/man/man1/qelvux-cli.1"
test -f "$prefix/share/applications/qelvux.desktop"
test -f "$prefix/share/mime/packages/qelvux.xml"
test -f "$prefix/share/icons/hicolor/scalable/apps/qelvux.svg"
# The desktop program's manual, with every picture it shows.
if [ -x "$prefix/bin/qelvux" ]; then
  manual=$prefix/share/qelvux/manual
  test -f "$manual/kayttoohje.html"
  for picture in $(grep -o 'kuvat/[^"]*' "$manual/kayttoohje.html" | sort -u); do
    test -f "$manual/$picture" || { echo "manual picture not installed: $picture"; exit 1; }
  done
fi
for f in "$src"/examples/*.vux; do
  name=$(basename "$f" .vux)
  # Run from an empty folder, so nothing beside the working folder can stand in for the data.
  set +e
  (cd "$prefix" && "$prefix/bin/qelvux-cli" "$f" > "$prefix/$name.txt")
  rc=$?
  set -e
  if [ "$rc" -gt 1 ]; then echo "qelvux-cli failed on $name ($rc)"; exit 1; fi
  diff -u "$src/tests/data/examples/$name.txt" "$prefix/$name.txt"
done
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$prefix/share/applications/qelvux.desktop"
fi
echo "installed copy: reports equal the golden files"
