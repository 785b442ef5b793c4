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
python=$(scripts/find_python.sh Xlib) || exit 1
source scripts/wine_session.sh
wine_session_start
shots=$(mktemp -d)
exit_trap_push "rm -rf '$shots'"

centre() { awk -v name="$1" '$1 == name { print $2 + int($4 / 2), $3 + int($5 / 2) }' <<<"$places"; }
click() {
  # shellcheck disable=SC2046
  xdotool mousemove $(centre "$1") mousedown 1 mouseup 1
}
# Waits up to 10 s for the window to differ from the picture taken before.
wait_changed() {
  for _ in $(seq 200); do
    import -window "$WID" "$shots/now.png"
    [ "$(compare -metric AE "$shots/before.png" "$shots/now.png" null: 2>&1 || true)" != 0 ] &&
      return 0
    sleep 0.05
  done
  echo "screenshot-windows.sh: the window did not change after $1" >&2
  return 1
}

mkdir -p docs
for dpi in 96 144 192; do
  wine_set_dpi "$dpi"
  "$wine_run" win64 "$bin/vortalin.exe" &
  game=$!
  WID=$(timeout 30 xdotool search --sync --name '^Form1$' | head -n1)
  [ -n "$WID" ] || { echo "screenshot-windows.sh: the window Form1 did not appear" >&2; exit 1; }
  xvfb_wait_drawn
  places=$("$wine_run" win64 "$bin/window_places.exe" | tr -d "\r")
  import -window "$WID" "$shots/before.png"
  click Command1
  wait_changed START
  started=$(date +%s.%N)
  click Command3
  sleep "$(awk -v s="$started" -v now="$(date +%s.%N)" 'BEGIN { d = s + 1.5 - now; print (d > 0 ? d : 0) }')"
  import -window "$WID" "docs/windows-${dpi}dpi.png"
  "$python" scripts/close_window.py "$WID"
  wait "$game"
  echo "wrote docs/windows-${dpi}dpi.png"
done
