#!/usr/bin/env bash
# Installs every Debian package that building, running and testing vortalin needs.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libgif-dev libpng-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-mplus fontconfig
  xvfb xdotool imagemagick x11-utils
  desktop-file-utils appstream dpkg-dev file
  binutils-mingw-w64-i686 g++-mingw-w64-i686-win32 python3-pefile python3-xlib
  clang libclang-rt-14-dev
)

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
