#!/usr/bin/env bash
# Installs what is missing, builds vortalin with every test (warnings as errors) and runs
# them, then the browser edition's tests in Chromium and the Windows program's checks and
# tests, then the three windows' pictures compared (scripts/test-look.sh). VORTALIN_PRESET
# picks another Linux configuration (e.g. sanitize); the browser, Windows and picture parts
# then run only with VORTALIN_WEB=1, VORTALIN_WINDOWS=1 and VORTALIN_LOOK=1.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
preset=${VORTALIN_PRESET:-release}
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
others=0
[ "$preset" = release ] && others=1
if [ "${VORTALIN_WEB:-$others}" = 1 ]; then
  scripts/test-web.sh
fi
if [ "${VORTALIN_WINDOWS:-$others}" = 1 ]; then
  scripts/test-windows.sh
fi
if [ "${VORTALIN_LOOK:-$others}" = 1 ]; then
  status=0
  scripts/test-look.sh || status=$?
  [ "$status" = 0 ] || [ "$status" = 77 ] || exit "$status"
fi
