#!/usr/bin/env bash
# Installs what is missing, builds vortalin (Release) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target vortalin
exec build/bin/vortalin "$@"
