#!/usr/bin/env bash
# Makes a screenshot of the game under Xvfb a few seconds into a race, steering right, with the
# right arrow focused from the keyboard: docs/screenshot.png, or at another screen scale
# docs/screenshot-SCALEx.png.
# Usage: scripts/screenshot.sh [build directory, default build] [scale factor, default 1]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build}/bin
scale=${2:-1}
out=docs/screenshot.png
[ "$scale" = 1 ] || out=docs/screenshot-${scale}x.png
for program in vortalin form_geometry; do
  [ -x "$bin/$program" ] || { echo "screenshot.sh: no $bin/$program (build first)" >&2; exit 1; }
done
source scripts/xvfb_session.sh
missing=$(xvfb_tools_missing)
[ -z "$missing" ] || { echo "screenshot.sh: missing $missing (run scripts/install-deps.sh)" >&2; exit 1; }
read_geometry "$bin/form_geometry"
XVFB_SCREEN=1280x1024x24 xvfb_start
export QT_SCALE_FACTOR=$scale
xvfb_launch "$bin/vortalin"
# The geometry is in logical pixels; xdotool works in the screen's.
on_screen() { awk -v s="$scale" '{ printf "%d %d", $1 * s, $2 * s }' <<<"$1"; }
start_xy=$(on_screen "$(control_centre Command1)")
right_xy=$(on_screen "$(control_centre Command3)")
# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $start_xy click 1
# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $right_xy click 1
# Back and forth with the keyboard, which shows the focus on the right arrow.
xdotool windowfocus --sync "$WID"
xdotool key --window "$WID" shift+Tab Tab
xdotool mousemove 0 0
# The moment of the picture: a little over a second of the race.
sleep 1.4
mkdir -p docs
import -window "$WID" "$out"
echo "wrote $out"
