#!/usr/bin/env bash
# Installs what building the browser edition needs, builds it and prints the page to open;
# where a desktop is running, opens it in the default browser too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web
page="$PWD/build-web/vortalin.html"
echo "Open $page in a browser (or serve build-web/ from any static web server)."
if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && command -v xdg-open >/dev/null; then
  xdg-open "$page" >/dev/null 2>&1 &
fi
