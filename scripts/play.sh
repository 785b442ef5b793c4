#!/usr/bin/env bash
# Installs what building and running the game needs, builds the game and the replay runner
# (Release) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh play
cmake --preset play
cmake --build --preset play -j"$(nproc)"
exec build-play/bin/vortalin "$@"
