#!/usr/bin/env bash
# Makes docs/windows-96dpi.png, docs/windows-144dpi.png and docs/windows-192dpi.png: the
# Windows program (its 64-bit build) under Wine, a second and a half into a race, at 96, 144
# and 192 dots per inch.
# Usage: scripts/screenshot-windows.sh   (after scripts/test-windows.sh has built it)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build-windows-x64/bin
for program in vortalin window_places; do
  [ -f "$bin/$program.exe" ] || { echo "no $bin/$program.exe: run scripts/test-windows.sh" >&2; exit 1; }
done
source scripts/wine_session.sh
wine_session_start

centre() { awk -v name="$1" '$1 == name { print $2 + int($4 / 2), $3 + int($5 / 2) }' <<<"$places"; }
click() {
  # shellcheck disable=SC2046
  xdotool mousemove $(centre "$1") mousedown 1 mouseup 1
}

mkdir -p docs
for dpi in 96 144 192; do
  wine_set_dpi "$dpi"
  "$wine_run" win64 "$bin/vortalin.exe" &
  game=$!
  window=$(timeout 30 xdotool search --sync --name '^Form1$' | head -n1)
  sleep 0.5
  places=$("$wine_run" win64 "$bin/window_places.exe" | tr -d "\r")
  click Command1
  sleep 0.3
  click Command3
  sleep 1.2
  import -window "$window" "docs/windows-${dpi}dpi.png"
  /usr/bin/python3 scripts/close_window.py "$window"
  wait "$game"
  echo "wrote docs/windows-${dpi}dpi.png"
done
