#!/usr/bin/env bash
# Installs every Debian package that building, running and testing vortalin needs.
# Safe to run again: it installs only what is missing.
# Usage: install-deps.sh [all|linux|windows]   (default: all)
set -euo pipefail
group=${1:-all}

# The Linux game (Qt), its tests, benchmarks and fuzzing.
linux_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libgif-dev libpng-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-mplus fontconfig
  xvfb xdotool imagemagick x11-utils python3-xlib
  desktop-file-utils appstream dpkg-dev file
  clang libclang-rt-14-dev
)

# The Windows program (scripts/test-windows.sh): the MinGW-w64 cross compilers, GoogleTest's
# source to build for Windows, 64-bit Wine to run the tests on Xvfb driven by xdotool, pefile
# to read the 32-bit program back, and fonts: Wine's own, a narrow face for Impact, Noto
# for Japanese text.
windows_packages=(
  make cmake
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  googletest
  wine wine64 fonts-wine fonts-liberation fonts-noto-cjk
  xvfb xdotool x11-utils imagemagick python3-xlib python3-pefile
)

case "$group" in
  all) packages=("${linux_packages[@]}" "${windows_packages[@]}") ;;
  linux) packages=("${linux_packages[@]}") ;;
  windows) packages=("${windows_packages[@]}") ;;
  *) echo "usage: install-deps.sh [all|linux|windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
