#!/usr/bin/env bash
# Installs what building and running the game needs, builds the game and the replay runner
# (Release) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target vortalin vortalin-replay
exec build/bin/vortalin "$@"
