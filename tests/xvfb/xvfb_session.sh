# Sourced by tests that need a real X display: starts a private Xvfb and cleans it up.
# Provides: start_xvfb, wait_for_window NAME PID, and $DISPLAY, $XDG_RUNTIME_DIR.

xvfb_pid=
xvfb_runtime=

stop_xvfb() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ -n "$xvfb_runtime" ] && rm -rf "$xvfb_runtime"
  xvfb_pid=
}

start_xvfb() {
  for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh"; exit 1; }
  done
  xvfb_runtime=$(mktemp -d)
  chmod 0700 "$xvfb_runtime"
  export XDG_RUNTIME_DIR=$xvfb_runtime
  # -displayfd lets Xvfb pick a free display number and write it out once it is ready.
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$xvfb_runtime/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  local number=
  for _ in $(seq 100); do
    number=$(cat "$xvfb_runtime/display" 2>/dev/null)
    [ -n "$number" ] && break
    sleep 0.1
  done
  [ -n "$number" ] || { echo "Xvfb did not start"; exit 1; }
  export DISPLAY=:$number
  export QT_QPA_PLATFORM=xcb
}

# Prints the id of the first window named NAME that process PID maps, waiting up to 20 s.
wait_for_window() {
  local name=$1 pid=$2 id=
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --pid "$pid" --name "^$name\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
