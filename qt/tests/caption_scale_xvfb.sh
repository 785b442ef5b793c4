#!/usr/bin/env bash
# Runs the caption scale test on an X server (Xvfb, Qt's xcb platform) at each screen scale;
# then on settings players have: RGB subpixel antialiasing, another Qt style asked for, the
# openbox window manager at scales 1 to 3; then with the X resource Xft.dpi at 144 and 192,
# from which Qt scales by 1.5 and 2 on its own.
# Usage: caption_scale_xvfb.sh path/to/caption_scale_test
# Exits 77 (skipped) when Xvfb or xrdb is not installed.
set -uo pipefail
test=${1:?usage: caption_scale_xvfb.sh path/to/caption_scale_test}
for tool in Xvfb xdpyinfo xrdb; do
  command -v "$tool" >/dev/null 2>&1 && continue
  echo "SKIP: not installed: $tool (scripts/install-deps.sh installs it)"
  exit 77
done
source "$(dirname "$0")/../../scripts/xvfb_session.sh"
# Room for the window at three times the scale.
XVFB_SCREEN=1280x1200x24 xvfb_start || exit 1
RUNTIME_DIR=$(mktemp -d)
chmod 0700 "$RUNTIME_DIR"
export XDG_RUNTIME_DIR=$RUNTIME_DIR QT_QPA_PLATFORM=xcb

failed=()
run() {  # NAME, then the environment of one run
  local name=$1
  shift
  echo "== $name"
  env "$@" "$test" || failed+=("$name")
}
for scale in 1 1.25 1.5 2 3; do
  run "QT_SCALE_FACTOR=$scale" QT_SCALE_FACTOR="$scale"
done

subpixel=$(cd "$(dirname "$0")/../.." && pwd)/scripts/fonts-subpixel.conf
run "rgba rgb, QT_SCALE_FACTOR=1" FONTCONFIG_FILE="$subpixel"
run "rgba rgb, QT_SCALE_FACTOR=2" FONTCONFIG_FILE="$subpixel" QT_SCALE_FACTOR=2
run "QT_STYLE_OVERRIDE=Fusion" QT_STYLE_OVERRIDE=Fusion

if command -v openbox >/dev/null 2>&1; then
  openbox >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  for scale in 1 2 3; do
    run "openbox, QT_SCALE_FACTOR=$scale" QT_SCALE_FACTOR="$scale"
  done
  kill "$wm"
  wait "$wm" 2>/dev/null
else
  echo "== openbox not installed: its runs are left out"
fi
for dpi in 144 192; do
  echo "Xft.dpi: $dpi" | xrdb -nocpp -merge || exit 1
  run "Xft.dpi: $dpi" VORTALIN_EXPECTED_SCALE="$(awk -v d="$dpi" 'BEGIN { print d / 96 }')"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "PASS: every scale"
