#!/usr/bin/env bash
# Installs the Debian packages vortalin needs. Safe to run again: it installs only what is
# missing.
# Usage: scripts/install-deps.sh [play|test|windows|web]
#   play     what building and running the game and the replay runner needs
#   test     that, and everything the tests, benchmarks and packaging checks need (the default),
#            the browser edition's included
#   windows  what building the Windows program and its checks and tests need
#            (scripts/test-windows.sh)
#   web      what building the browser edition and testing it in Chromium needs
#            (scripts/play-web.sh, scripts/test-web.sh)
set -euo pipefail
profile=${1:-test}

play=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  fonts-liberation fonts-noto-cjk fontconfig
)
test=(
  libgtest-dev libgmock-dev libbenchmark-dev libgif-dev libpng-dev
  xvfb xdotool imagemagick x11-utils x11-xserver-utils
  desktop-file-utils appstream dpkg-dev file python3-xlib lintian devscripts
  fonts-ipaexfont-gothic
  clang libclang-rt-14-dev
  stress-ng openbox
  # scripts/release.sh: the 32-bit Windows build, and the checks of the .deb and the exe
  lintian devscripts python3-pefile g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
)
# The Windows program: the MinGW-w64 cross compilers, GoogleTest's source to build for
# Windows, 64-bit Wine to run the tests on Xvfb driven by xdotool, pefile to read the 32-bit
# program back, and fonts: Wine's own, a narrow face for Impact, Noto for Japanese text.
# 32-bit Wine (windows_i386) runs the 32-bit program itself, where the kernel runs 32-bit
# code (scripts/runs_i386.sh); elsewhere nothing 32-bit is installed.
windows=(
  build-essential cmake
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  googletest
  wine wine64 fonts-wine fonts-liberation fonts-noto-cjk
  xvfb xdotool x11-utils imagemagick python3-xlib python3-pefile
)
windows_i386=(wine32:i386)
# The browser edition: Debian's emscripten (clang 14, binaryen), fontTools and Brotli to subset
# the fonts into WOFF2 from Debian's font files, and Chromium for the tests. emscripten depends
# on the nodejs package: a Node.js already installed from NodeSource's nodejs package satisfies
# it, so apt keeps that one and its npm; Debian's npm is added only where no npm is installed.
# puppeteer-core comes from npm (web/package-lock.json) and downloads no browser.
web=(
  build-essential cmake
  emscripten python3-fonttools python3-brotli fonts-liberation fonts-noto-cjk
  chromium
)
command -v npm >/dev/null 2>&1 || web+=(npm)

case $profile in
  play) packages=("${play[@]}") ;;
  test) packages=("${play[@]}" "${test[@]}" "${web[@]}") ;;
  windows) packages=("${windows[@]}") ;;
  web) packages=("${web[@]}") ;;
  *) echo "install-deps.sh: unknown profile \"$profile\" (play, test, windows or web)" >&2; exit 2 ;;
esac
add_i386=0
if [ "$profile" = windows ]; then
  if no_i386=$("$(dirname "$0")/runs_i386.sh"); then
    packages+=("${windows_i386[@]}")
    dpkg --print-foreign-architectures | grep -qx i386 || add_i386=1
  else
    echo "install-deps.sh: no 32-bit Wine: $no_i386"
  fi
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
if [ "$add_i386" = 1 ]; then "${sudo_cmd[@]}" dpkg --add-architecture i386; fi
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
