#!/usr/bin/env bash
# CPU per tick of the Windows game under Wine over whole courses: user + system time of the
# game's process, of the Wine server and of the X server, from the click on START to the end
# of the course, divided by its ticks. Each course is a fresh run of the 64-bit build.
# Usage: scripts/cpu-per-tick-windows.sh [BIN_DIR] [COURSES] [DPI]
#   BIN_DIR holds vortalin.exe and window_places.exe (build-windows-x64/bin unless given);
#   COURSES is 3 and DPI 96 unless given. Prints one line a course and the medians.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build-windows-x64/bin}
courses=${2:-3}
dpi=${3:-96}
for program in vortalin window_places; do
  [ -f "$bin/$program.exe" ] || { echo "no $bin/$program.exe" >&2; exit 1; }
done
python=$(scripts/find_python.sh Xlib) || exit 1
source scripts/wine_session.sh
wine_session_start win64
wine_set_dpi "$dpi"

# User + system clock ticks of a process.
cpu_of() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
wineserver_pid() {
  local pid
  for pid in $(pgrep -u "$(id -u)" -x "wineserver(64)?"); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return
    fi
  done
}
hz=$(getconf CLK_TCK)
results=$(mktemp)
exit_trap_push "rm -f '$results'"
for _ in $(seq "$courses"); do
  "$wine_run" win64 "$bin/vortalin.exe" &
  game=$!
  WID=$(timeout 30 xdotool search --sync --name '^Form1$' | head -n1)
  [ -n "$WID" ] || { echo "cpu-per-tick-windows.sh: no window Form1" >&2; exit 1; }
  sleep 1
  places=$("$wine_run" win64 "$bin/window_places.exe" | tr -d '\r')
  ticks=$(awk '$1 == "course" { print $2 }' <<<"$places")
  period=$(awk '$1 == "course" { print $3 }' <<<"$places")
  server=$(wineserver_pid)
  read -r x y < <(awk '$1 == "Command1" { print $2 + int($4 / 2), $3 + int($5 / 2) }' <<<"$places")
  before=("$(cpu_of "$game")" "$(cpu_of "$server")" "$(cpu_of "$XVFB_PID")")
  xdotool mousemove "$x" "$y" mousedown 1 mouseup 1
  # The course, and half a second more: afterwards the window only waits.
  sleep "$(awk -v t="$ticks" -v p="$period" 'BEGIN { print t * p / 1000 + 0.5 }')"
  after=("$(cpu_of "$game")" "$(cpu_of "$server")" "$(cpu_of "$XVFB_PID")")
  "$python" scripts/close_window.py "$WID"
  wait "$game" || true
  awk -v hz="$hz" -v t="$ticks" -v g="$((after[0] - before[0]))" -v s="$((after[1] - before[1]))" \
      -v x="$((after[2] - before[2]))" 'BEGIN {
        us = 1e6 / hz / t
        printf "game %.1f, wineserver %.1f, Xvfb %.1f, game + wineserver %.1f us per tick\n",
               g * us, s * us, x * us, (g + s) * us }' | tee -a "$results"
done
awk -F'[ ,]+' '{ g[NR] = $2; s[NR] = $4; x[NR] = $6; b[NR] = $10 }
  function median(a, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
  END { n = NR; printf "median of %d: game %.1f, wineserver %.1f, Xvfb %.1f, game + wineserver %.1f us per tick\n",
        n, median(g, n), median(s, n), median(x, n), median(b, n) }' "$results"
