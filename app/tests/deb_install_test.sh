#!/usr/bin/env bash
# Builds the .deb from a build folder, installs it, starts the installed game headless,
# and removes the package again. Needs root (CI runs it as root).
# Usage: deb_install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: deb_install_test.sh BUILD_DIR}" && pwd)
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vortalin_*.deb)
echo "package: $deb"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
trap 'apt-get remove -y -qq vortalin >/dev/null' EXIT
dpkg -L vortalin

passed=0
failed=0
check() { if [ "$2" -eq 0 ]; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi; }
[ -x /usr/bin/vortalin ]; check "the game is installed in /usr/bin" $?
desktop-file-validate /usr/share/applications/example.vortalin.vortalin.desktop; check "installed desktop entry is valid" $?
[ -f /usr/share/icons/hicolor/64x64/apps/example.vortalin.vortalin.png ]; check "icon in the hicolor theme" $?
runtime=$(mktemp -d); chmod 0700 "$runtime"
# Still running after 5 s means it came up and waited for the player (timeout says 124).
set +e
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/vortalin
status=$?
set -e
rm -rf "$runtime"
[ "$status" -eq 124 ]; check "the installed game starts and keeps running (status $status)" $?
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
