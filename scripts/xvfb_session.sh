# Shared by the Xvfb scripts: a private X server, the game on it, and cleanup on exit.
# Sourced; defines xvfb_start, xvfb_launch and sets DISPLAY, WID.

xvfb_cleanup() {
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  if [ -n "${RUNTIME_DIR:-}" ]; then rm -rf "$RUNTIME_DIR"; fi
  return 0
}
trap xvfb_cleanup EXIT

# Starts Xvfb on the first free display from :90 up.
xvfb_start() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
    Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; XVFB_PID=
  done
  echo "no free X display for Xvfb" >&2
  return 1
}

# Starts the game on the X server and waits for its window; sets WID.
xvfb_launch() {
  RUNTIME_DIR=$(mktemp -d)
  chmod 0700 "$RUNTIME_DIR"
  QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$RUNTIME_DIR" "$1" &
  GAME_PID=$!
  WID=$(timeout 20 xdotool search --sync --name '^Form1$' | head -n1)
  [ -n "$WID" ] || { echo "the game's window Form1 did not appear" >&2; return 1; }
  sleep 0.5  # let the first frame be drawn
}
