#!/usr/bin/env bash
# Builds the .deb from a build folder, checks it with lintian and hardening-check, installs
# it, starts the installed game headless, runs the installed replay runner, and removes the
# package again. Installing needs root or sudo
# without a password; a vortalin installed before is left alone (the test then refuses to run).
# Usage: deb_install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: deb_install_test.sh BUILD_DIR}" && pwd)

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1 || ! sudo -n true 2>/dev/null; then
    echo "deb_install_test.sh: installing a package needs root or sudo without a password;" \
         "run it as root or with sudo rights" >&2
    exit 2
  fi
  as_root=(sudo -n)
fi
if installed=$(dpkg-query -W -f='${Status} ${Version}' vortalin 2>/dev/null) &&
   [[ $installed == "install ok installed"* ]]; then
  echo "deb_install_test.sh: vortalin ${installed##* } is already installed; the test would" \
       "replace and then remove it, so it stops here (remove it first to run the test)" >&2
  exit 2
fi

report=$(cd "$build" && cpack -G DEB)
# cpack names the package it made: "CPack: - package: PATH generated."
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' <<<"$report")
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "deb_install_test.sh: cpack named no .deb it generated:" >&2
  echo "$report" >&2
  exit 1
fi
echo "package: $deb"

passed=0
failed=0
check() { if [ "$2" -eq 0 ]; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failed=$((failed + 1)); fi; }
status=0
"$(dirname "$0")"/check_deb.sh "$deb" || status=$?
check "Debian's checks of the package: lintian, hardening-check, AppStream" $status

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get install -y -qq "$deb" >/dev/null
trap '"${as_root[@]}" apt-get remove -y -qq vortalin >/dev/null' EXIT
dpkg -L vortalin

[ -x /usr/games/vortalin ] && [ -x /usr/games/vortalin-replay ]
check "the game and the replay runner are installed in /usr/games" $?
desktop-file-validate /usr/share/applications/example.vortalin.vortalin.desktop
check "installed desktop entry is valid" $?
[ -f /usr/share/icons/hicolor/64x64/apps/example.vortalin.vortalin.png ]; check "icon in the hicolor theme" $?
[ -f /usr/share/doc/vortalin/copyright ] && [ -f /usr/share/doc/vortalin/changelog.gz ]
check "copyright and changelog in /usr/share/doc/vortalin" $?
[ -f /usr/share/man/man6/vortalin.6.gz ] && [ -f /usr/share/man/man6/vortalin-replay.6.gz ]
check "both programs have a manual page" $?
last=$(printf 'start\nrun\n' | /usr/games/vortalin-replay | tail -n 1)
[[ $last == '{"distance":1522,'*'"clock":false'* ]]
check "the installed replay runner plays a course to its end" $?
runtime=$(mktemp -d); chmod 0700 "$runtime"
# Still running after 5 s means it came up and waited for the player (timeout says 124).
set +e
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen timeout 5 /usr/games/vortalin
status=$?
set -e
rm -rf "$runtime"
[ "$status" -eq 124 ]; check "the installed game starts and keeps running (status $status)" $?
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
