# Shared by the Xvfb scripts: a private X server, the game on it, the places of its
# controls, and cleanup on exit, run before whatever EXIT trap the caller had set. Sourced;
# defines xvfb_tools_missing, xvfb_start, xvfb_launch, xvfb_wait_drawn, read_geometry,
# control_rect, control_centre, and sets DISPLAY, WID.

# Safe to run twice: what it has ended it forgets.
xvfb_cleanup() {
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  if [ -n "${RUNTIME_DIR:-}" ]; then rm -rf "$RUNTIME_DIR"; fi
  GAME_PID= XVFB_PID= RUNTIME_DIR=
  return 0
}
source "$(dirname "${BASH_SOURCE[0]}")/exit_trap.sh"
exit_trap_push xvfb_cleanup

# Prints the programs these scripts need that are not installed; prints nothing if all are.
xvfb_tools_missing() {
  local tool missing=()
  for tool in Xvfb xdpyinfo xdotool import convert compare; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  echo "${missing[*]}"
}

# Starts Xvfb on a free display and waits until it answers; XVFB_SCREEN overrides the
# screen size. Xvfb picks the display itself (-displayfd), so tests that start servers at
# the same moment never end up sharing one.
xvfb_start() {
  local fifo n=
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  # -noreset: X resources set with xrdb outlive the client that set them.
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-640x480x24}" -nolisten tcp -noreset \
    3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 20 n <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$n" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
    echo "Xvfb did not start" >&2
    kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; XVFB_PID=
    return 1
  fi
  export DISPLAY=":$n"
}

# Starts the game (a program and its arguments) on the X server and waits until its window is
# drawn; sets WID. With GAME_OUTPUT set, the game's standard output and error go to that file.
xvfb_launch() {
  RUNTIME_DIR=$(mktemp -d)
  chmod 0700 "$RUNTIME_DIR"
  if [ -n "${GAME_OUTPUT:-}" ]; then
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$RUNTIME_DIR" "$@" >"$GAME_OUTPUT" 2>&1 &
  else
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$RUNTIME_DIR" "$@" &
  fi
  GAME_PID=$!
  WID=$(timeout 20 xdotool search --sync --onlyvisible --pid "$GAME_PID" --name '^Form1$' |
        head -n1)
  [ -n "$WID" ] || { echo "the game's window Form1 did not appear" >&2; return 1; }
  xvfb_wait_drawn
}

# Waits until the window WID shows more than one colour and looks the same twice in a row.
xvfb_wait_drawn() {
  local shot previous='' now colours
  shot=$(mktemp --suffix=.png)
  for _ in $(seq 200); do
    if import -window "$WID" "$shot" 2>/dev/null; then
      now=$(convert "$shot" -depth 8 rgb:- | md5sum)
      colours=$(convert "$shot" -format '%k' info:)
      if [ "$colours" -gt 1 ] && [ "$now" = "$previous" ]; then rm -f "$shot"; return 0; fi
      previous=$now
    fi
    sleep 0.05
  done
  rm -f "$shot"
  echo "the game's window was not drawn within 20 s" >&2
  return 1
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
