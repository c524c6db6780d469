#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine with its dependencies, runs the
# installed programs (the command-line designer on an example, the desktop program with a
# project under a virtual display), then removes the package again. Run as root on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${QELVUX_PACKAGE_BUILD_DIR:-build-package}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQELVUX_TESTS=OFF -DQELVUX_BENCH=OFF > /dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/qelvux_*.deb | head -n 1)
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n '/Depends/p'

export DEBIAN_FRONTEND=noninteractive
dpkg -i "$deb" || apt-get -f install -y --no-install-recommends
dpkg -s qelvux | grep -q "Status: install ok installed"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
set +e
/usr/bin/qelvux-cli /usr/share/qelvux/examples/pilari.vux > pilari.txt
rc=$?
set -e
[ "$rc" -le 1 ] || { echo "qelvux-cli failed ($rc)"; exit 1; }
grep -q "Kokonaiskäyttöaste" pilari.txt
man -w qelvux-cli > /dev/null 2>&1 || test -f /usr/share/man/man1/qelvux-cli.1.gz
test -f /usr/share/qelvux/manual/kayttoohje.html
# The desktop program opens the project, pictures its window and ends by itself.
QELVUX_SCREENSHOT="$work/installed.png" timeout 60 \
  xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/qelvux /usr/share/qelvux/examples/pilari.vux
test -s "$work/installed.png"
echo "installed program started with a project: $work/installed.png"

apt-get remove -y qelvux > /dev/null
! dpkg -s qelvux > /dev/null 2>&1 || dpkg -s qelvux | grep -q "deinstall"
test ! -e /usr/bin/qelvux
echo "package installs, runs and removes cleanly"
