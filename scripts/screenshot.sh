#!/usr/bin/env bash
# Makes docs/screenshot.png: the game under Xvfb a few seconds into a race.
# Usage: scripts/screenshot.sh [path/to/vortalin]
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/bin/vortalin}
out=docs/screenshot.png
[ -x "$game" ] || { echo "screenshot.sh: no game at $game (build first)" >&2; exit 1; }
source scripts/xvfb_session.sh
xvfb_start
xvfb_launch "$game"
# Window-relative centres of START and the right arrow, from their places in twips.
xdotool mousemove --window "$WID" 68 268 click 1
sleep 0.3
xdotool mousemove --window "$WID" 248 332 click 1
sleep 1.6
mkdir -p docs
import -window "$WID" "$out"
echo "wrote $out"
