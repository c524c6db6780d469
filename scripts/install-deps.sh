#!/usr/bin/env bash
# Installs what building, testing and running QEL-VUX needs on Debian 12 (run as root).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  locales xvfb xauth desktop-file-utils
  fonts-liberation qt6-translations-l10n
  # pdftotext and pdfinfo read the PDF report back in its tests
  poppler-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the tests prove that numbers never follow the process locale.
if ! locale -a 2>/dev/null | grep -qi '^fi_FI\.utf-\?8$'; then
  sed -i 's/^# *fi_FI.UTF-8 UTF-8/fi_FI.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^fi_FI.UTF-8 UTF-8' /etc/locale.gen || echo 'fi_FI.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
