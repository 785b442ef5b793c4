#!/usr/bin/env bash
# The browser edition's figures in Chromium, each beside a bare page that changes one text box
# and fills one canvas each frame, measured in the same run: renderer and GPU-process CPU per
# course, navigation start to first frame from a file and from 127.0.0.1, the size gzipped.
# VORTALIN_BENCH_ROUNDS sets the rounds of the CPU pair (default 3); VORTALIN_BENCH_BEFORE, another
# build of the page, adds it to each round and compares the two.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
(cd web && npm ci --no-audit --no-fund --loglevel=error)
echo
node web/bench/bench.mjs
