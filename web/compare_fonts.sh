#!/usr/bin/env bash
# Makes docs/fonts-1x.png and docs/fonts-2x.png: START, "Pt" and the title as the Linux
# window draws them (left) and as the page does (right), at screen scales 1 and 2.
# Usage: web/compare_fonts.sh [Linux build directory, default build]; the page is
# build-web/vortalin.html.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build}/bin
for program in vortalin form_geometry; do
  [ -x "$bin/$program" ] || { echo "compare_fonts.sh: no $bin/$program (build first)" >&2; exit 1; }
done
[ -f build-web/vortalin.html ] || { echo "compare_fonts.sh: no build-web/vortalin.html (build first)" >&2; exit 1; }
source scripts/xvfb_session.sh
missing=$(xvfb_tools_missing)
[ -z "$missing" ] || { echo "compare_fonts.sh: missing $missing (run scripts/install-deps.sh)" >&2; exit 1; }
read_geometry "$bin/form_geometry"
work=$(mktemp -d)
remove_work() { rm -rf "$work"; }
exit_trap_push remove_work
for scale in 1 2; do
  XVFB_SCREEN=1280x1024x24 xvfb_start
  QT_SCALE_FACTOR=$scale xvfb_launch "$bin/vortalin"
  xdotool mousemove 0 0
  import -window "$WID" "$work/linux.png"
  xvfb_cleanup
  (cd web && node window_shot.mjs "$scale" "$work/page.png")
  rows=()
  for control in Command1 Label2 Label3; do
    read -r x y w h <<<"$(control_rect "$control")"
    crop="$((w * scale))x$((h * scale))+$((x * scale))+$((y * scale))"
    convert "$work/linux.png" -crop "$crop" +repage "$work/$control-linux.png"
    convert "$work/page.png" -crop "$crop" +repage "$work/$control-page.png"
    convert "$work/$control-linux.png" "$work/$control-page.png" -background white \
      -splice 8x0 +append "$work/$control.png"
    rows+=("$work/$control.png")
  done
  convert "${rows[@]}" -background white -splice 0x8 -append -bordercolor white -border 8 \
    "docs/fonts-${scale}x.png"
  echo "wrote docs/fonts-${scale}x.png"
done
