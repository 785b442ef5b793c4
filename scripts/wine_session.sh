# shellcheck shell=bash
# Shared by the Windows scripts: a private X server and a throwaway Wine prefix for each
# width asked (win32 for the 32-bit program, win64 for the 64-bit build), all gone on exit.
# Sourced; defines wine_session_start, wine_set_dpi and wine_session_cleanup, and exports
# DISPLAY, VORTALIN_WINEPREFIX_win32 and VORTALIN_WINEPREFIX_win64 (read by
# cmake/wine-run.sh, which runs every Wine program here), WINEPREFIX (the last prefix made),
# WINEDEBUG and WINEDLLOVERRIDES.
# shellcheck source=scripts/xvfb_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
wine_run="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/wine-run.sh"
wine_session_arches=()

wine_prefix_of() {
  local name=VORTALIN_WINEPREFIX_$1
  echo "${!name:-}"
}

wine_session_cleanup() {
  local arch prefix
  for arch in "${wine_session_arches[@]}"; do
    prefix=$(wine_prefix_of "$arch")
    if [ -z "$prefix" ] || [ ! -d "$prefix" ]; then continue; fi
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
  done
  return 0
}
exit_trap_push wine_session_cleanup

wine_reg() {
  local arch=$1
  shift
  "$wine_run" "$arch" reg add "$@" /f >/dev/null
}

# Dots per inch of Wine's screen in every prefix, read by each program as it starts.
wine_set_dpi() {
  local arch
  for arch in "${wine_session_arches[@]}"; do
    "$wine_run" "$arch" --dpi "$1"
  done
}

# Fills a new prefix and leaves its Wine server running.
wine_prefix_boot() {
  local arch=$1 prefix
  prefix=$(wine_prefix_of "$arch")
  "$wine_run" "$arch" wineboot --init >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w
  # Wine's own faces (Tahoma for its dialogs, Marlett for the title bar buttons), which
  # Debian's wineboot leaves out of the prefix.
  ln -sf /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
  # Kept up between the tests' programs, so that each starts in a fraction of a second.
  WINEPREFIX=$prefix wineserver -p
  # Wine draws the window frames itself: there is no window manager to wait for.
  wine_reg "$arch" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
  # Japanese text in Wine's own dialogs (the message box): the faces they use link to Noto.
  local face
  for face in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine_reg "$arch" 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP'
  done
  "$wine_run" "$arch" --dpi 96
}

# wine_session_start [win32] [win64]: the X server and a prefix for each width (win64 if
# none is named), made side by side.
wine_session_start() {
  local missing
  missing=$(xvfb_tools_missing)
  command -v wineserver >/dev/null 2>&1 || missing="$missing wineserver"
  if [ -n "${missing# }" ]; then
    echo "wine_session.sh: not installed: ${missing# } (scripts/install-deps.sh windows)" >&2
    return 1
  fi
  # Room for the window at 192 dpi with its frame.
  XVFB_SCREEN=${XVFB_SCREEN:-1280x1024x24} xvfb_start || return 1
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
  local arch pid booting=() failed=0
  for arch in "${@:-win64}"; do
    WINEPREFIX=$(mktemp -d "/tmp/vortalin-wine-$arch.XXXXXX")
    export WINEPREFIX "VORTALIN_WINEPREFIX_$arch=$WINEPREFIX"
    wine_session_arches+=("$arch")
    wine_prefix_boot "$arch" &
    booting+=($!)
  done
  for pid in "${booting[@]}"; do
    wait "$pid" || failed=1
  done
  return "$failed"
}
