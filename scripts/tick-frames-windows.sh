#!/usr/bin/env bash
# Counts, over whole courses, the frames of the Windows game under Wine that show half a tick
# (scripts/tick-frames-windows.py), on a private X server in a throwaway prefix.
# Usage: scripts/tick-frames-windows.sh [win32|win64] [COURSES]
#   win64 (the default) runs the 64-bit build, win32 the 32-bit product; COURSES is 1 unless
#   given. Run scripts/test-windows.sh first: it installs Wine and builds both.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:-win64}
courses=${2:-1}
case $arch in
  win32) bin=build-windows/bin ;;
  win64) bin=build-windows-x64/bin ;;
  *) echo "usage: scripts/tick-frames-windows.sh [win32|win64] [COURSES]" >&2; exit 2 ;;
esac
if ! [[ $courses =~ ^[1-9][0-9]*$ ]]; then
  echo "tick-frames-windows.sh: COURSES must be a whole number from 1, not \"$courses\"" >&2
  exit 2
fi
for program in vortalin window_places; do
  [ -f "$bin/$program.exe" ] || { echo "no $bin/$program.exe: run scripts/test-windows.sh" >&2; exit 1; }
done
python=$(scripts/find_python.sh Xlib) || exit 1
source scripts/wine_session.sh
wine_session_start "$arch"
for _ in $(seq "$courses"); do
  "$python" scripts/tick-frames-windows.py "$arch" "$bin/vortalin.exe" \
    "$bin/window_places.exe" pictures/course.gif
done
