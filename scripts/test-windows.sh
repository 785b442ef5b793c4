#!/usr/bin/env bash
# Builds vortalin.exe for 32-bit Windows (the product) and the same sources for 64-bit
# Windows, and runs every Windows check and test on both: each build's programs under Wine
# of its own width, in a throwaway prefix each on one private Xvfb (the window's layout at
# 96, 144 and 192 dots per inch), and both programs read back from their files. Where this
# kernel runs no 32-bit code (scripts/runs_i386.sh; VORTALIN_RUNS_I386=no simulates that) or
# 32-bit Wine could not be installed (scripts/runs_wine32.sh), the 32-bit build's programs
# are reported skipped, with the reason. Installs what is missing first.
# Ends with one line "windows: i686 N passed[, N skipped], x86-64 N passed[, ...], N failed";
# exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/exit_trap.sh
VORTALIN_WINE32_NOTE=$(mktemp)
export VORTALIN_WINE32_NOTE
exit_trap_push "rm -f '$VORTALIN_WINE32_NOTE'"
scripts/install-deps.sh windows
started=$SECONDS
jobs=-j"$(nproc)"

for preset in windows windows-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" "$jobs"
done
echo "built in $((SECONDS - started)) s"

arches=(win64)
if no_i386=$(scripts/runs_wine32.sh); then
  arches=(win32 win64)
fi
source scripts/wine_session.sh
wine_session_start "${arches[@]}"
echo "Wine ready in $((SECONDS - started)) s"

results=$(mktemp -d)
exit_trap_push "rm -rf '$results'"
status=0
ctest --preset windows "$jobs" --output-junit "$results/i686.xml" || status=1
ctest --preset windows-x64 "$jobs" --output-junit "$results/x86-64.xml" || status=1
echo "Windows checks and tests took $((SECONDS - started)) s"

# Counts from ctest's JUnit reports, with the figures the end-to-end runs print.
python=$(scripts/find_python.sh) || exit 1
"$python" - "$results" "$no_i386" <<'EOF' || status=1
import pathlib, re, sys
import xml.etree.ElementTree as ET

results, no_i386 = pathlib.Path(sys.argv[1]), sys.argv[2]
parts, failed = [], 0
for arch in ("i686", "x86-64"):
    report = results / f"{arch}.xml"
    if not report.exists():
        parts.append(f"{arch} no report")
        failed += 1
        continue
    counts = {"passed": 0, "skipped": 0, "failed": 0}
    for case in ET.parse(report).getroot().iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            counts["failed"] += 1
        elif case.find("skipped") is not None or case.get("status") in ("notrun", "disabled"):
            counts["skipped"] += 1
        else:
            counts["passed"] += 1
        for line in (case.findtext("system-out") or "").splitlines():
            if re.match(r"(start-up to the window|course length):", line):
                print(f"{arch} {case.get('name')}: {line}")
    failed += counts["failed"]
    parts.append(f"{arch} {counts['passed']} passed"
                 + (f", {counts['skipped']} skipped" if counts["skipped"] else ""))
if no_i386:
    print(f"i686 skipped: {no_i386}")
print(f"windows: {', '.join(parts)}, {failed} failed")
sys.exit(1 if failed else 0)
EOF
exit "$status"
