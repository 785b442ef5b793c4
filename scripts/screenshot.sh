#!/usr/bin/env bash
# Makes docs/screenshot.png: the game under Xvfb a few seconds into a race.
# Usage: scripts/screenshot.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build}/bin
out=docs/screenshot.png
for program in vortalin form_geometry; do
  [ -x "$bin/$program" ] || { echo "screenshot.sh: no $bin/$program (build first)" >&2; exit 1; }
done
source scripts/xvfb_session.sh
missing=$(xvfb_tools_missing)
[ -z "$missing" ] || { echo "screenshot.sh: missing $missing (run scripts/install-deps.sh)" >&2; exit 1; }
read_geometry "$bin/form_geometry"
xvfb_start
xvfb_launch "$bin/vortalin"
start_xy=$(control_centre Command1)
right_xy=$(control_centre Command3)
# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $start_xy click 1
sleep 0.3
# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $right_xy click 1
sleep 1.6
mkdir -p docs
import -window "$WID" "$out"
echo "wrote $out"
