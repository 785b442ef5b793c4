#!/usr/bin/env bash
# End to end under Xvfb with real clicks: START and the right arrow start a race that
# scrolls the course and moves the player's car, and the race ends by itself.
# Usage: e2e_xvfb.sh path/to/vortalin path/to/form_geometry
# Exits 77 (skipped) when the X tools are not installed.
set -euo pipefail
usage="usage: e2e_xvfb.sh path/to/vortalin path/to/form_geometry"
game=${1:?$usage}
geometry_tool=${2:?$usage}
for program in "$game" "$geometry_tool"; do
  [ -x "$program" ] || { echo "e2e_xvfb.sh: no executable at $program" >&2; exit 2; }
done
source "$(dirname "$0")/../../scripts/xvfb_session.sh"
missing=$(xvfb_tools_missing)
if [ -n "$missing" ]; then
  echo "SKIP: not installed: $missing (scripts/install-deps.sh installs them)"
  exit 77
fi
work=$(mktemp -d)
trap 'xvfb_cleanup; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
shot() { import -window "$WID" "$work/$1.png"; }
# Pixels that differ between two screenshots, in an optional crop WxH+X+Y.
differing() {
  local crop=${3:-}
  if [ -n "$crop" ]; then
    convert "$work/$1.png" -crop "$crop" +repage "$work/a.png"
    convert "$work/$2.png" -crop "$crop" +repage "$work/b.png"
  else
    cp "$work/$1.png" "$work/a.png"; cp "$work/$2.png" "$work/b.png"
  fi
  compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true
}
# Left edge of the pure red player car in the view's rows where it drives.
player_x() {
  convert "$work/$1.png" -crop "$view_w"x40+"$view_x"+"$((player_y + 4))" +repage \
    -fill black +opaque 'rgb(255,0,0)' -format '%@' info: | sed -E 's/.*\+([0-9-]+)\+[0-9-]+$/\1/'
}

# Places of the built window's controls: the view's inside, the player's car, two buttons
# and the distance display.
read_geometry "$geometry_tool"
form=$(control_rect Form1)
view=$(control_rect Picture1.inside)
player=$(control_rect Picture3)
distance=$(control_rect Text2)
read -r _ _ form_w form_h <<<"$form"
read -r view_x view_y view_w view_h <<<"$view"
view_crop="${view_w}x${view_h}+${view_x}+${view_y}"
read -r _ player_y _ _ <<<"$player"
start_xy=$(control_centre Command1)
right_xy=$(control_centre Command3)
read -r x y w h <<<"$distance"
distance_crop="${w}x${h}+${x}+${y}"

xvfb_start
xvfb_launch "$game"
size=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: //p')
[ "$size" = "${form_w}x${form_h}" ] || fail "window is $size, not ${form_w}x${form_h}"

shot opening
sleep 0.5
shot still
[ "$(differing opening still)" = 0 ] || fail "the window changed before any click"

# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $start_xy click 1
started=$(date +%s.%N)
sleep 0.5
shot running
[ "$(differing opening running "$distance_crop")" != 0 ] || fail "START changed no display"
x_before=$(player_x running)

# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $right_xy click 1
sleep 1
shot steered
x_after=$(player_x steered)
[ "$x_after" -gt "$x_before" ] || fail "the player's car did not move right ($x_before -> $x_after)"

[ "$(differing running steered "${view_w}x150+${view_x}+${view_y}")" != 0 ] ||
  fail "the course did not scroll"

# The race ends by itself: two screenshots a second apart become identical.
previous=steered
for i in $(seq 60); do
  sleep 1
  shot "poll$i"
  if [ "$(differing "$previous" "poll$i")" = 0 ]; then
    elapsed=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
    # 1522 ticks of at least 10 ms each: no race can end sooner.
    awk -v e="$elapsed" 'BEGIN { exit !(e >= 15) }' || fail "the race stopped after only ${elapsed}s"
    [ "$(differing opening "poll$i" "$view_crop")" != 0 ] || fail "the view is back at its opening"
    kill -0 "$GAME_PID" || fail "the game is gone"
    echo "PASS: race ended by itself after ${elapsed}s; car moved $x_before -> $x_after"
    exit 0
  fi
  previous="poll$i"
done
fail "the race did not end within 60 s"
