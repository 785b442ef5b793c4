# Shared by the Xvfb scripts: a private X server, the game on it, the places of its
# controls, and cleanup on exit. Sourced; defines xvfb_tools_missing, xvfb_start,
# xvfb_launch, read_geometry, control_rect, control_centre, and sets DISPLAY, WID.

xvfb_cleanup() {
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  if [ -n "${RUNTIME_DIR:-}" ]; then rm -rf "$RUNTIME_DIR"; fi
  return 0
}
trap xvfb_cleanup EXIT

# Prints the programs these scripts need that are not installed; prints nothing if all are.
xvfb_tools_missing() {
  local tool missing=()
  for tool in Xvfb xdpyinfo xdotool import convert compare; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  echo "${missing[*]}"
}

# Starts Xvfb on the first free display from :90 up; XVFB_SCREEN overrides the screen size.
xvfb_start() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
    # -noreset: X resources set with xrdb outlive the client that set them.
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-640x480x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
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

# Reads the controls' places from the geometry tool (lines "NAME X Y WIDTH HEIGHT").
read_geometry() {
  GEOMETRY=$("$1") || { echo "the geometry tool $1 failed" >&2; return 1; }
}

# "X Y WIDTH HEIGHT" of a control, in pixels of the window's inside.
control_rect() {
  local rect
  rect=$(awk -v name="$1" '$1 == name { print $2, $3, $4, $5 }' <<<"$GEOMETRY")
  [ -n "$rect" ] || { echo "no control named $1 in the window" >&2; return 1; }
  echo "$rect"
}

# "X Y" of a control's centre, window-relative, for xdotool.
control_centre() {
  local rect x y w h
  rect=$(control_rect "$1") || return 1
  read -r x y w h <<<"$rect"
  echo "$((x + w / 2)) $((y + h / 2))"
}
