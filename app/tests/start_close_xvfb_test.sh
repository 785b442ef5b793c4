#!/usr/bin/env bash
# Starts the game on a real X display and closes its window as a user would, ROUNDS
# times: every run must show the window, end with status 0, and leave no process behind.
# Usage: start_close_xvfb_test.sh GAME [ROUNDS]
set -u
game=$1
rounds=${2:-1}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tests/xvfb/xvfb_session.sh"
trap stop_xvfb EXIT
start_xvfb

passed=0
failed=0
for round in $(seq "$rounds"); do
  "$game" &
  pid=$!
  if ! window=$(wait_for_window Form1 "$pid"); then
    echo "FAILED: round $round: no window appeared"
    kill "$pid" 2>/dev/null
    failed=$((failed + 1))
    continue
  fi
  /usr/bin/python3 "$here/../../tests/xvfb/close_window.py" "$window"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAILED: round $round: still running 10 s after its window was closed"
    kill -9 "$pid"
    failed=$((failed + 1))
    continue
  fi
  wait "$pid"
  status=$?
  if [ "$status" -eq 0 ]; then passed=$((passed + 1)); else
    echo "FAILED: round $round: exit status $status"
    failed=$((failed + 1))
  fi
done

left=$(pgrep -f -x "$game" | wc -l)
if [ "$left" -eq 0 ]; then passed=$((passed + 1)); else
  echo "FAILED: $left game processes left behind"
  failed=$((failed + 1))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
