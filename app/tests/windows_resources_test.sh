#!/usr/bin/env bash
# Compiles the Windows resources with the 32-bit MinGW tools into a tiny executable and
# reads its version record and icon back.
# Usage: windows_resources_test.sh RC_FILE ICO_FILE
set -euo pipefail
rc=$1
ico=$2
for tool in i686-w64-mingw32-windres i686-w64-mingw32-g++ /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
i686-w64-mingw32-windres "$rc" -O coff -o "$work/resources.res"
echo 'int main() { return 0; }' >"$work/main.cpp"
i686-w64-mingw32-g++ -static "$work/main.cpp" "$work/resources.res" -o "$work/vortalin.exe"
/usr/bin/python3 "$(dirname "$0")/check_windows_resources.py" "$work/vortalin.exe" "$ico"
