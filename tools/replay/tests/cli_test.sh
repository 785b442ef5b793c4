#!/usr/bin/env bash
# Drives the replay tool as a user would: through files, pipes and exit statuses.
set -u
replay=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {  # name, condition result
  if [ "$2" = 0 ]; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

printf 'start\nrun\n' | "$replay" >"$work/out" 2>"$work/err"
check "a course from standard input exits 0" $?
[ "$(wc -l <"$work/out")" -eq 1522 ]; check "a course prints 1522 lines" $?
tail -n1 "$work/out" | grep -q '"distance":1522,"energy":[0-9-]*,"clock":false,.*"strip":\[0,50\]'
check "the last line shows the clock off, the strip at 50 and distance 1522" $?

printf 'start\ntick 2\n' >"$work/script"
"$replay" "$work/script" >"$work/out"; check "a script file runs" $?
[ "$(wc -l <"$work/out")" -eq 2 ]; check "a script file prints one line per tick" $?

printf 'start\ntick 5\nfly away\n' | "$replay" >"$work/out" 2>"$work/err"
[ $? -eq 2 ]; check "an unknown command exits 2" $?
[ ! -s "$work/out" ]; check "a refused script runs nothing" $?
grep -q ':3: unknown command "fly" in "fly away"' "$work/err"; check "the error names line 3 and its text" $?
[ "$(wc -l <"$work/err")" -eq 1 ]; check "the error is one line" $?

"$replay" "$work/missing" >"$work/out" 2>"$work/err"
[ $? -eq 2 ]; check "a missing file exits 2" $?
grep -q 'cannot read ".*missing": No such file' "$work/err"; check "a missing file is named" $?

"$replay" "$work" 2>"$work/err"
[ $? -eq 2 ]; check "a directory exits 2" $?

"$replay" a b 2>"$work/err"
[ $? -eq 2 ]; check "two arguments exit 2" $?

printf 'start\nrun\n' | "$replay" >/dev/full 2>"$work/err"
[ $? -eq 1 ]; check "a failed write exits 1" $?

echo "$(( 12 - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
