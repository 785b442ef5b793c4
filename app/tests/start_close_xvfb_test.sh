#!/usr/bin/env bash
# Starts the game on a real X display and closes its window as a user would, ROUNDS
# times: every run must show the window, end with status 0, and leave no process behind.
# Usage: start_close_xvfb_test.sh GAME [ROUNDS]   (exits 77 when the X tools are missing)
set -u
game=$1
rounds=${2:-1}
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
source "$scripts/xvfb_session.sh"
missing=$(xvfb_tools_missing)
[ -z "$missing" ] || { echo "SKIP: not installed: $missing"; exit 77; }
python=$("$scripts/find_python.sh" Xlib) || { echo "SKIP: no python3 with Xlib"; exit 77; }
xvfb_start || exit 1
RUNTIME_DIR=$(mktemp -d)
chmod 0700 "$RUNTIME_DIR"

passed=0
failed=0
fail() { echo "FAILED: round $round: $*"; failed=$((failed + 1)); }
for round in $(seq "$rounds"); do
  QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$RUNTIME_DIR" "$game" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^Form1$' | head -n1)
  if [ -z "$window" ]; then fail "no window appeared"; kill -9 "$pid"; wait "$pid"; continue; fi
  "$python" "$scripts/close_window.py" "$window"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "still running 10 s after its window was closed"
    kill -9 "$pid"
    wait "$pid"
    continue
  fi
  wait "$pid"
  status=$?
  if [ "$status" -eq 0 ]; then passed=$((passed + 1)); else fail "exit status $status"; fi
done

round=end
if pgrep -P $$ -f -x "$game" >/dev/null; then fail "a game process was left behind"; else passed=$((passed + 1)); fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
