#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset play
cmake --build --preset play -j"$(nproc)"
exec build-play/bin/vortalin "$@"
