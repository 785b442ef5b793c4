#!/usr/bin/env bash
# Fuzzes the replay runner's script parser and interpreter for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
case $seconds in ''|*[!0-9]*) echo "fuzz.sh: SECONDS must be a whole number, not \"$seconds\"" >&2; exit 2 ;; esac
scripts/install-deps.sh test
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
# New inputs go to a scratch folder; the committed corpus stays small.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
build-fuzz/bin/replay_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=4096 -print_final_stats=1 "$scratch" tools/replay/fuzz/corpus
