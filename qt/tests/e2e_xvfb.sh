#!/usr/bin/env bash
# End to end under Xvfb with real clicks: START and the right arrow start a race that
# scrolls the course and moves the player's car; the race ends by itself as long after START
# as its ticks take on the game's clock, whatever else the machine is doing; and the game
# prints nothing.
# Usage: e2e_xvfb.sh path/to/vortalin path/to/form_geometry path/to/vortalin-replay
# Exits 77 (skipped) when the X tools are not installed.
set -euo pipefail
usage="usage: e2e_xvfb.sh path/to/vortalin path/to/form_geometry path/to/vortalin-replay"
game=${1:?$usage}
geometry_tool=${2:?$usage}
replay=${3:?$usage}
for program in "$game" "$geometry_tool" "$replay"; do
  [ -x "$program" ] || { echo "e2e_xvfb.sh: no executable at $program" >&2; exit 2; }
done
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/../../scripts/xvfb_session.sh"
missing=$(xvfb_tools_missing)
if [ -n "$missing" ]; then
  echo "SKIP: not installed: $missing (scripts/install-deps.sh installs them)"
  exit 77
fi
python=$("$here/../../scripts/find_python.sh" Xlib) || { echo "SKIP: no python3 with Xlib"; exit 77; }

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
# shot_until NAME CONDITION...: screenshots NAME until the condition holds, for up to 5 s.
shot_until() {
  local name=$1
  shift
  for _ in $(seq 100); do
    shot "$name"
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# Places of the built window's controls: the view's inside, the player's car, two buttons
# and the distance display; the clock's period.
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
period_ms=$(awk '$1 == "Timer1.interval_ms" { print $2 }' <<<"$GEOMETRY")
# The ticks of a course with these rules and this random sequence, as the replay runs them.
ticks=$(printf 'start\nrun\n' | "$replay" | tail -n 1 | sed -E 's/.*"distance":([0-9]+).*/\1/')
[ -n "$period_ms" ] && [ -n "$ticks" ] || fail "no clock period ($period_ms) or course ($ticks)"
ideal=$(awk -v t="$ticks" -v p="$period_ms" 'BEGIN { printf "%.2f", t * p / 1000 }')
# The view last changes on the last tick; a wake-up may come late, but none is lost.
shortest=$(awk -v i="$ideal" -v p="$period_ms" 'BEGIN { printf "%.2f", i - 2 * p / 1000 }')
longest=$(awk -v i="$ideal" 'BEGIN { printf "%.2f", i + 0.6 }')

xvfb_start
GAME_OUTPUT=$work/output xvfb_launch "$game"
size=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: //p')
[ "$size" = "${form_w}x${form_h}" ] || fail "window is $size, not ${form_w}x${form_h}"

# A running clock would have changed the view 50 times in this while.
shot opening
sleep "$(awk -v p="$period_ms" 'BEGIN { print 50 * p / 1000 }')"
shot still
[ "$(differing opening still)" = 0 ] || fail "the window changed before any click"

# shellcheck disable=SC2086
"$python" "$here/watch_view.py" "$WID" $view_x $view_y $view_w $view_h \
  "$work/watching" >"$work/course" &
watcher=$!
for _ in $(seq 200); do [ -e "$work/watching" ] && break; sleep 0.05; done
[ -e "$work/watching" ] || fail "the view watcher did not start"

clicking=$(date +%s.%N)
# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $start_xy click 1
display_changed() { [ "$(differing opening running "$distance_crop")" != 0 ]; }
shot_until running display_changed || fail "START changed no display"
x_before=$(player_x running)

# shellcheck disable=SC2086
xdotool mousemove --window "$WID" $right_xy click 1
car_moved_right() { [ "$(player_x steered)" -gt "$x_before" ]; }
shot_until steered car_moved_right || fail "the player's car did not move right ($x_before)"
x_after=$(player_x steered)
[ "$(differing running steered "${view_w}x150+${view_x}+${view_y}")" != 0 ] ||
  fail "the course did not scroll"

wait "$watcher" || fail "the view watcher failed"
read -r first last changes <"$work/course"
[ "$first" != none ] || fail "the view never changed"
awk -v f="$first" -v c="$clicking" 'BEGIN { exit !(f >= c) }' ||
  fail "the view changed at $first, before START was clicked at $clicking"
seconds=$(awk -v f="$first" -v l="$last" 'BEGIN { printf "%.3f", l - f }')
awk -v s="$seconds" -v a="$shortest" -v b="$longest" 'BEGIN { exit !(s >= a && s <= b) }' ||
  fail "the race took ${seconds} s, not $shortest to $longest s ($ticks ticks of $period_ms ms; $changes views)"
shot ended
[ "$(differing opening ended "$view_crop")" != 0 ] || fail "the view is back at its opening"
kill -0 "$GAME_PID" || fail "the game is gone"
[ ! -s "$work/output" ] || fail "the game printed: $(head -c 2000 "$work/output")"
echo "PASS: race ended by itself after ${seconds} s ($ideal s by the clock, $changes views);" \
     "car moved $x_before -> $x_after; nothing printed"
