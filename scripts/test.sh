#!/usr/bin/env bash
# Installs what is missing, builds vortalin with every test (warnings as errors) and runs
# them. VORTALIN_PRESET picks another configuration, e.g. sanitize.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
preset=${VORTALIN_PRESET:-release}
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
