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
# A failed apt-get update is tried once more and is then not fatal by itself: apt keeps the
# indexes that did download. A package the profile needs that cannot be installed ends the
# script with one line per package naming apt's reason. 32-bit Wine is optional: where it
# cannot be installed, one line says why, and that line is also written to the file named
# by VORTALIN_WINE32_NOTE (read by scripts/runs_wine32.sh, so the 32-bit tests are skipped).
set -euo pipefail
here=$(dirname "$0")
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
  emscripten python3-fonttools python3-brotli fonts-roboto-unhinted fonts-noto-cjk
  esbuild chromium
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
optional=()
if [ "$profile" = windows ]; then
  if no_i386=$("$here/runs_i386.sh"); then
    optional=("${windows_i386[@]}")
    dpkg --print-foreign-architectures | grep -qx i386 || add_i386=1
  else
    echo "install-deps.sh: no 32-bit Wine: $no_i386"
  fi
fi

not_installed() {
  local p
  for p; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}
mapfile -t missing < <(not_installed "${packages[@]}")
mapfile -t missing_optional < <(not_installed "${optional[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
apt_options=(-o Acquire::Retries=3 -o DPkg::Lock::Timeout=900)
logs=$(mktemp -d)
# shellcheck source=scripts/exit_trap.sh
source "$here/exit_trap.sh"
exit_trap_push "rm -rf '$logs'"

# apt-get as root with its output shown and kept in the log named first.
apt_logged() {
  local log=$1
  shift
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" "$@" 2>&1 |
    tee "$log"
}

apt_error() {
  grep -m1 '^E: ' "$1" | sed 's/^E: //' || echo "apt-get exited with an error"
}

# Why apt cannot install one package, if a dry run says it cannot: an index of its
# architecture (or a whole source) that failed to download, else apt's own message.
why_not() {
  local package=$1 arch line url message
  apt-get "${apt_options[@]}" -s install --no-install-recommends "$package" >"$logs/dry-run" 2>&1 &&
    return 1
  arch=${package#*:}
  [ "$arch" = "$package" ] && arch=$(dpkg --print-architecture)
  while IFS= read -r line; do
    url=$(sed -E 's/^[EW]: Failed to fetch ([^ ]+) .*/\1/' <<<"$line")
    case $url in
      */binary-"$arch"/* | */InRelease | */Release | */Release.gpg)
        message=$(sed -E 's/^[EW]: Failed to fetch [^ ]+ +//; s/ *\[IP: [^]]*\]$//' <<<"$line")
        echo "the $arch package index failed to download (${url#*/dists/}: $message)"
        return 0
        ;;
    esac
  done < <(grep -E '^[EW]: Failed to fetch ' "$logs/update" 2>/dev/null)
  line=$(grep -m1 -F " $package : " "$logs/dry-run" ||
    grep -m1 -E '^ [^ ]+ : ' "$logs/dry-run" || true)
  if [ -n "$line" ]; then
    echo "unmet dependencies (${line# })"
  else
    apt_error "$logs/dry-run"
  fi
}

undo_added_i386() {
  if [ "$add_i386" = 1 ]; then "${as_root[@]}" dpkg --remove-architecture i386; fi
}

if [ "$add_i386" = 1 ]; then "${as_root[@]}" dpkg --add-architecture i386; fi
if ! apt_logged "$logs/update" update -qq; then
  echo "install-deps.sh: apt-get update failed; trying once more"
  apt_logged "$logs/update" update -qq ||
    echo "install-deps.sh: apt-get update failed again; going on with the indexes that downloaded"
fi

if [ ${#missing[@]} -gt 0 ] &&
  ! apt_logged "$logs/install" install -y -qq --no-install-recommends "${missing[@]}"; then
  named=0
  for package in "${missing[@]}"; do
    if reason=$(why_not "$package"); then
      echo "install-deps.sh: cannot install $package: $reason" >&2
      named=1
    fi
  done
  if [ "$named" = 0 ]; then
    echo "install-deps.sh: cannot install ${missing[*]}: $(apt_error "$logs/install")" >&2
  fi
  undo_added_i386
  exit 1
fi
if [ ${#missing_optional[@]} -gt 0 ] &&
  ! apt_logged "$logs/install" install -y -qq --no-install-recommends "${missing_optional[@]}"; then
  reason=$(apt_error "$logs/install")
  for package in "${missing_optional[@]}"; do
    if why=$(why_not "$package"); then reason=$why; break; fi
  done
  note="32-bit Wine could not be installed: $reason"
  echo "install-deps.sh: $note; the 32-bit Windows tests will be skipped" >&2
  if [ -n "${VORTALIN_WINE32_NOTE:-}" ]; then echo "$note" >"$VORTALIN_WINE32_NOTE"; fi
  undo_added_i386
fi
