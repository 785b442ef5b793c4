#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata as a software centre would, and
# checks that docks on X11 find the entry of the game's window: the class in the window's
# WM_CLASS is the entry's StartupWMClass (run under Xvfb; skipped without it). On Wayland
# the window's app id is the entry's name, which the start-up test checks.
# Usage: desktop_metadata_test.sh DESKTOP_FILE METAINFO_FILE GAME
set -u
desktop=$1 metainfo=$2 game=$3
passed=0
failures=0
check() {  # NAME STATUS
  if [ "$2" -eq 0 ]; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
desktop-file-validate "$desktop"; check "desktop entry" $?
appstreamcli validate --no-net --pedantic "$metainfo"; check "AppStream metadata" $?

source "$(dirname "$0")/../../scripts/xvfb_session.sh"
missing=$(xvfb_tools_missing)
if [ -n "$missing" ] || ! command -v xprop >/dev/null 2>&1; then
  echo "SKIP: the window's class: not installed: $missing xprop"
else
  xvfb_start || exit 1
  xvfb_launch "$game" || exit 1
  wm_class=$(xprop -id "$WID" WM_CLASS)
  entry_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
  echo "window:        $wm_class"
  echo "desktop entry: StartupWMClass=$entry_class ($(basename "$desktop"))"
  # WM_CLASS(STRING) = "instance", "class"
  [ -n "$entry_class" ] && [[ $wm_class == *", \"$entry_class\"" ]]
  check "the window's class is the entry's StartupWMClass" $?
fi
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
