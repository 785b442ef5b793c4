#!/usr/bin/env bash
# Compares the three windows' pictures: the Linux window (Xvfb), the Windows window (64-bit
# build under Wine, its prefix given the classic scheme) and the page (Chromium), at screen
# scales 1, 1.5 and 2, as they open and on the first red tick (game/tests/window_pose.h).
# Each must equal the Linux window's picture outside the text ink, and every button caption
# must be centred on its caption area and clear of the button's rings; tools/lookcompare does
# the comparing. On a fault the
# pictures and maps of the differing pixels are left in build/look-differences/.
# Needs the builds scripts/test.sh makes: build/ (the Linux window), build-web/ with web's
# node modules, build-windows-x64/. A part that cannot run here is left out, saying why;
# with neither the page nor Windows to compare, exits 77 (skipped).
# Usage: scripts/test-look.sh [--keep DIR]   (--keep: the pictures are also left in DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
keep=
[ "${1:-}" = --keep ] && keep=${2:?usage: test-look.sh [--keep DIR]}
bin=build/bin
winbin=build-windows-x64/bin
out=build/look-differences
scales=(1 1.5 2)
poses=(opening red)

skip() { echo "SKIP: $*"; exit 77; }
for program in window_pose look-compare; do
  [ -x "$bin/$program" ] || skip "no $bin/$program (build with cmake --preset release)"
done
source scripts/wine_session.sh
missing=$(xvfb_tools_missing)
[ -z "$missing" ] || skip "not installed: $missing (scripts/install-deps.sh)"
shots=$(mktemp -d)
exit_trap_push "rm -rf '$shots'"
dpi_of() { awk -v s="$1" 'BEGIN { print s * 96 }'; }

page_reason=
if [ ! -f build-web/vortalin.html ]; then
  page_reason="no build-web/vortalin.html (cmake --preset web && cmake --build --preset web)"
elif [ ! -d web/node_modules/puppeteer-core ]; then
  page_reason="no web/node_modules (cd web && npm ci)"
elif ! command -v chromium >/dev/null 2>&1 && [ -z "${CHROMIUM:-}" ]; then
  page_reason="no chromium"
fi
windows_reason=
for program in window_pose window_places classic_colours; do
  [ -f "$winbin/$program.exe" ] || windows_reason="no $winbin/$program.exe (scripts/test-windows.sh)"
done
command -v wineserver >/dev/null 2>&1 || windows_reason="no Wine (scripts/install-deps.sh windows)"
python=$(scripts/find_python.sh Xlib 2>/dev/null) || windows_reason="no python3 with Xlib"
[ -z "$page_reason" ] || echo "the page is left out: $page_reason"
[ -z "$windows_reason" ] || echo "Windows is left out: $windows_reason"
[ -z "$page_reason" ] || [ -z "$windows_reason" ] || skip "neither the page nor Windows can run here"
started=$SECONDS

# Linux, with the window's focus taken from what the pose program prints.
XVFB_SCREEN=1280x1024x24 xvfb_start
for scale in "${scales[@]}"; do
  for pose in "${poses[@]}"; do
    GAME_OUTPUT="$shots/focus-$pose" QT_SCALE_FACTOR=$scale xvfb_launch "$bin/window_pose" "$pose"
    # Active, as a player's window is: Qt shows the focus only then.
    xdotool windowfocus --sync "$WID"
    xvfb_wait_drawn
    import -window "$WID" "$shots/Linux-$pose-$scale.png"
    kill "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=
  done
done
xvfb_cleanup
echo "Linux pictures in $((SECONDS - started)) s"

if [ -z "$page_reason" ]; then
  jobs=()
  for scale in "${scales[@]}"; do
    for pose in "${poses[@]}"; do
      jobs+=("$scale" "$shots/page-$pose-$scale.png" "$pose")
    done
  done
  (cd web && NODE_PATH=${NODE_PATH:-/usr/share/nodejs} node window_shot.mjs "${jobs[@]}")
  echo "page pictures in $((SECONDS - started)) s"
fi

if [ -z "$windows_reason" ]; then
  wine_session_start win64
  "$wine_run" win64 "$winbin/classic_colours.exe"
  for scale in "${scales[@]}"; do
    wine_set_dpi "$(dpi_of "$scale")"
    for pose in "${poses[@]}"; do
      "$wine_run" win64 "$winbin/window_pose.exe" "$pose" >/dev/null &
      GAME_PID=$!
      WID=$(timeout 30 xdotool search --sync --name '^Form1$' | head -n1)
      [ -n "$WID" ] || { echo "test-look.sh: the Windows window did not appear" >&2; exit 1; }
      xvfb_wait_drawn
      read -r x y w h < <("$wine_run" win64 "$winbin/window_places.exe" | tr -d '\r' |
                          awk '$1 == "Form1" { print $2, $3, $4, $5 }')
      import -window root -crop "${w}x${h}+${x}+${y}" +repage "$shots/Windows-$pose-$scale.png"
      "$python" scripts/close_window.py "$WID"
      wait "$GAME_PID" || true
      GAME_PID=
    done
  done
  echo "Windows pictures in $((SECONDS - started)) s"
fi

status=0
rm -rf "$out"
for scale in "${scales[@]}"; do
  for pose in "${poses[@]}"; do
    pictures=()
    for window in Linux Windows page; do
      picture=$shots/$window-$pose-$scale.png
      [ -f "$picture" ] && pictures+=("$window=$picture")
    done
    echo "== $pose at scale $scale"
    "$bin/look-compare" "$(dpi_of "$scale")" "$(cat "$shots/focus-$pose")" \
      "$out/$pose-${scale}x" "${pictures[@]}" || status=1
  done
done
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp "$shots"/*.png "$keep"/
fi
echo "look: compared in $((SECONDS - started)) s: $([ "$status" = 0 ] && echo "the windows agree" || echo "FAILED")"
exit "$status"
