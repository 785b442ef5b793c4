# Shared by the Windows scripts: a private X server and a throwaway 64-bit Wine prefix made
# for the game, both gone on exit. Sourced; defines wine_session_start, wine_set_dpi and
# wine_session_cleanup, and exports DISPLAY, WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"

wine_session_cleanup() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  xvfb_cleanup
}
trap wine_session_cleanup EXIT

wine_reg() { wine reg add "$@" /f >/dev/null; }

# Dots per inch of Wine's screen, read by each program as it starts.
wine_set_dpi() {
  wine_reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1"
}

wine_session_start() {
  # Room for the window at 144 dpi with its frame.
  XVFB_SCREEN=${XVFB_SCREEN:-1280x1024x24} xvfb_start || return 1
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" WINEARCH=win64
  WINEPREFIX=$(mktemp -d /tmp/vortalin-wine.XXXXXX)
  export WINEPREFIX
  wine wineboot --init >/dev/null 2>&1
  wineserver -w
  # Wine's own faces (Tahoma for its dialogs, Marlett for the title bar buttons), which
  # Debian's wineboot leaves out of the prefix.
  ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # Kept up between the tests' programs, so that each starts in a fraction of a second.
  wineserver -p
  # Wine draws the window frames itself: there is no window manager to wait for.
  wine_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
  # Japanese text in Wine's own dialogs (the message box): the faces they use link to Noto.
  local face
  for face in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine_reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP'
  done
  wine_set_dpi 96
}
