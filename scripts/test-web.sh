#!/usr/bin/env bash
# Builds the browser edition and tests it in Debian's Chromium: the page against the replay
# runner (build/bin/vortalin-replay, which scripts/test.sh builds first; built here if
# missing), its pace, layout, keys and notice. The files run one after another, so that the
# pace test has the machine to itself. Ends with node's summary lines (# pass N, # fail N).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
if [ ! -x build/bin/vortalin-replay ]; then
  cmake --preset release
  cmake --build --preset release --target vortalin-replay -j"$(nproc)"
fi
cmake --preset web
cmake --build --preset web
(cd web && npm ci --no-audit --no-fund --loglevel=error)
cd web
node --test --test-concurrency=1 tests/
