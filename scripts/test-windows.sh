#!/usr/bin/env bash
# Builds vortalin.exe for 32-bit Windows (the product) and the same sources for 64-bit
# Windows, and runs every Windows check and test: the 32-bit program read back from its
# files (this machine cannot run 32-bit code), and the 64-bit build's tests under Wine on
# Xvfb, at 96 dots per inch and the layout again at 144. Installs what is missing first.
# Ends with one line "windows: N passed, N failed"; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
started=$SECONDS
jobs=-j"$(nproc)"

for preset in windows windows-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" "$jobs"
done
echo "built in $((SECONDS - started)) s"

source scripts/wine_session.sh
wine_session_start
echo "Wine ready in $((SECONDS - started)) s"

passed=0
failed=0
status=0
# Runs ctest and adds its counts to the totals.
run_ctest() {
  local log
  log=$(mktemp)
  ctest "$@" 2>&1 | tee "$log" || status=1
  local counts
  counts=$(sed -nE 's/.* tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$log")
  rm -f "$log"
  if [ -z "$counts" ]; then
    failed=$((failed + 1))
    status=1
    return
  fi
  local failures total
  read -r failures total <<<"$counts"
  passed=$((passed + total - failures))
  failed=$((failed + failures))
}

run_ctest --preset windows "$jobs"
run_ctest --preset windows-x64 "$jobs" -LE dpi
grep -h "course length" build-windows-x64/Testing/Temporary/LastTest*.log || true
wine_set_dpi 144
run_ctest --preset windows-x64 "$jobs" -L dpi

echo "Windows checks and tests took $((SECONDS - started)) s"
echo "windows: $passed passed, $failed failed"
exit "$status"
