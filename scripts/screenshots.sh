#!/usr/bin/env bash
# Builds the desktop program and saves pictures of it, as a user sees it, under docs/screenshots/.
# The program grabs its own window (QELVUX_SCREENSHOT...) under a virtual X display.
# Usage: scripts/screenshots.sh [PART...]; a part is "rakenne" (the structure page's pictures
# below) or the name of a scripts/screenshots.d/PART.sh; no part makes every picture.
set -euo pipefail
cd "$(dirname "$0")/.."
parts=("$@")
for p in "${parts[@]}"; do
  if [ "$p" != rakenne ] && [ ! -e "scripts/screenshots.d/$p.sh" ]; then
    echo "no such part: $p" >&2
    exit 2
  fi
done
bash scripts/install-deps.sh
build=${QELVUX_BUILD_DIR:-build}
cmake -S . -B "$build" -DQELVUX_BENCH=OFF > /dev/null
cmake --build "$build" -j2 --target qelvux
out=docs/screenshots
projects=$out/projects
mkdir -p "$out"

root=$PWD
bin=$(cd "$build/bin" && pwd)

# shot FILE PROJECT [VAR=VALUE ...]: one picture of the program started on the project. The
# program runs in $shot_folder when that is set (a project's relative library name is read
# from the working folder), else in the repository.
shot() {
  local file=$1 project
  project=$(realpath "$2")
  shift 2
  (cd "${shot_folder:-$root}" &&
    env QELVUX_SCREENSHOT="$root/$out/$file" QELVUX_SCREENSHOT_SIZE=1200x760 "$@" \
      xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/qelvux" "$project")
  echo "$out/$file"
}

# wanted PART: true when the part was named or none was.
wanted() {
  [ ${#parts[@]} -eq 0 ] && return 0
  local p
  for p in "${parts[@]}"; do [ "$p" = "$1" ] && return 0; done
  return 1
}

if wanted rakenne; then
  shot rakenne_palkki.png "$projects/palkki.vux"
  shot rakenne_kattotuoli.png "$projects/kattotuoli.vux"
  shot rakenne_pilari.png "$projects/pilari.vux" QELVUX_SCREENSHOT_SELECT=4
  shot rakenne_pilari_pieni.png "$projects/pilari.vux" QELVUX_SCREENSHOT_SIZE=640x420
  shot dialogi_palkki.png "$projects/palkki.vux" QELVUX_SCREENSHOT_DIALOG=1
  shot dialogi_tuki.png "$projects/pilari.vux" QELVUX_SCREENSHOT_DIALOG=2 QELVUX_SCREENSHOT_POINT=0
  shot dialogi_nivel.png "$projects/pilari.vux" QELVUX_SCREENSHOT_DIALOG=3
fi

# The other pages add their pictures in scripts/screenshots.d/*.sh, which use `shot` too.
for part in scripts/screenshots.d/*.sh; do
  [ -e "$part" ] || continue
  wanted "$(basename "$part" .sh)" || continue
  # shellcheck source=/dev/null
  source "$part"
done
