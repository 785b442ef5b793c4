#!/bin/sh
# Runs a Windows program under Wine of one width, without prompts (no Mono or Gecko
# installer, no debug chatter):
#   wine-run.sh win32|win64 [--dpi N] [PROGRAM ARGUMENTS...]
# win32 runs it with the 32-bit loader; where the kernel runs no 32-bit code, or 32-bit Wine
# could not be installed (scripts/runs_wine32.sh), it prints one line saying so and exits 77
# (skipped). win64 names the 64-bit loader, which /usr/bin/wine
# would not pick once 32-bit Wine is installed. scripts/wine_session.sh makes a throwaway
# prefix for each width (VORTALIN_WINEPREFIX_win32, VORTALIN_WINEPREFIX_win64) on a private
# X server; without one, WINEPREFIX or Wine's default prefix is used.
# --dpi N sets the dots per inch of Wine's screen: for the prefix if no program follows,
# else for that program's run only (tests doing so run alone: ctest RUN_SERIAL).
set -u
here=$(dirname "$0")
arch=${1:-}
[ $# -gt 0 ] && shift
case $arch in
  win32)
    if ! why=$("$here/../scripts/runs_wine32.sh"); then
      echo "SKIP: $why"
      exit 77
    fi
    loader=/usr/lib/wine/wine
    if [ ! -x "$loader" ]; then
      echo "wine-run.sh: no 32-bit Wine ($loader): run scripts/install-deps.sh windows" >&2
      exit 1
    fi
    ;;
  win64)
    loader=/usr/lib/wine/wine64
    if [ ! -x "$loader" ]; then
      echo "wine-run.sh: no 64-bit Wine ($loader): run scripts/install-deps.sh windows" >&2
      exit 1
    fi
    # Processes Wine starts on the program's behalf use the same loader.
    export WINELOADER="$loader"
    ;;
  *)
    echo "usage: wine-run.sh win32|win64 [--dpi N] [PROGRAM ARGUMENTS...]" >&2
    exit 2
    ;;
esac
export WINEARCH="$arch"
eval "prefix=\${VORTALIN_WINEPREFIX_$arch:-}"
if [ -n "$prefix" ]; then export WINEPREFIX="$prefix"; fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"

desktop='HKCU\Control Panel\Desktop'
set_dpi() {
  "$loader" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}
current_dpi() {
  "$loader" reg query "$desktop" /v LogPixels 2>/dev/null |
    awk '$1 == "LogPixels" { print $3 }' | tr -d '\r'
}

if [ "${1:-}" != --dpi ]; then
  exec "$loader" "$@"
fi
dpi=$2
shift 2
if [ $# -eq 0 ]; then
  set_dpi "$dpi"
  exit
fi
previous=$(current_dpi)
set_dpi "$dpi"
"$loader" "$@"
status=$?
if [ -n "$previous" ]; then
  set_dpi "$((previous))"
else
  "$loader" reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1
fi
exit "$status"
