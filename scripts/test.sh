#!/usr/bin/env bash
# Installs what is missing, builds vortalin with every test (warnings as errors) and runs
# them, then the browser edition's tests in Chromium and the Windows program's checks and
# tests. VORTALIN_PRESET picks another Linux configuration (e.g. sanitize); the browser and
# Windows parts then run only with VORTALIN_WEB=1 and VORTALIN_WINDOWS=1.
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
