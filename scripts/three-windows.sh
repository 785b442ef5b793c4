#!/usr/bin/env bash
# Makes docs/three-windows-1x.png and docs/three-windows-2x.png: the Linux window, the
# Windows window and the page side by side, as they open (top) and on the first red tick
# (bottom), at screen scales 1 and 2, from the pictures scripts/test-look.sh compares.
# Usage: scripts/three-windows.sh   (after the builds scripts/test-look.sh needs)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/exit_trap.sh
shots=$(mktemp -d)
exit_trap_push "rm -rf '$shots'"
status=0
scripts/test-look.sh --keep "$shots" >"$shots/log" || status=$?
if [ "$status" = 77 ] || [ ! -f "$shots/Windows-red-2.png" ] || [ ! -f "$shots/page-red-2.png" ]; then
  cat "$shots/log" >&2
  echo "three-windows.sh: the three windows' pictures could not all be taken" >&2
  exit 1
fi
for scale in 1 2; do
  rows=()
  for pose in opening red; do
    convert "$shots/Linux-$pose-$scale.png" "$shots/Windows-$pose-$scale.png" \
      "$shots/page-$pose-$scale.png" -background white -splice 8x0 +append \
      "$shots/row-$pose.png"
    rows+=("$shots/row-$pose.png")
  done
  convert "${rows[@]}" -background white -splice 0x8 -append -bordercolor white -border 8 \
    -define png:exclude-chunks=date,time "docs/three-windows-${scale}x.png"
  echo "wrote docs/three-windows-${scale}x.png (Linux, Windows, page)"
done
