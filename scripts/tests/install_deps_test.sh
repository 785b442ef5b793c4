#!/usr/bin/env bash
# scripts/install-deps.sh windows against a bad mirror, without the network and without
# touching this machine's apt: stand-ins for apt-get, dpkg, dpkg-query and sudo on PATH
# play the mirror, and the kernel's answer comes from a stand-in runs_i386.sh.
set -u
source_scripts=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/scripts" "$work/bin"
cp "$source_scripts/install-deps.sh" "$source_scripts/exit_trap.sh" \
  "$source_scripts/runs_wine32.sh" "$work/scripts/"

cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STATE/calls"
simulate=0 command= packages=()
while [ $# -gt 0 ]; do
  case $1 in
    -o) shift ;;
    -s) simulate=1 ;;
    -*) ;;
    update | install) command=$1 ;;
    *) packages+=("$1") ;;
  esac
  shift
done
if [ "$command" = update ]; then
  updates=$(($(cat "$STATE/updates" 2>/dev/null || echo 0) + 1))
  echo "$updates" >"$STATE/updates"
  if [ "$updates" -le "$UPDATE_FAILURES" ]; then
    echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100
  fi
  exit 0
fi
for p in "${packages[@]}"; do
  case " $UNLOCATABLE " in *" $p "*) echo "E: Unable to locate package $p"; exit 100 ;; esac
  case " $UNMET " in *" $p "*)
    echo "The following packages have unmet dependencies:"
    echo " libcups2 : Depends: libavahi-client3 (>= 0.6.16) but it is not going to be installed"
    echo " $p : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100 ;;
  esac
done
[ "$simulate" = 1 ] || printf '%s\n' "${packages[@]}" >>"$STATE/installed"
EOF
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
package=${!#}
if grep -qxF "$package" "$STATE/installed" || ! grep -qxF "$package" "$STATE/missing"; then
  echo -n "install ok installed"
else
  echo "dpkg-query: no packages found matching $package" >&2
  exit 1
fi
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/usr/bin/env bash
echo "dpkg $*" >>"$STATE/calls"
case $1 in
  --print-architecture) echo amd64 ;;
  --print-foreign-architectures) cat "$STATE/foreign" ;;
  --add-architecture) echo "$2" >>"$STATE/foreign" ;;
  --remove-architecture) sed -i "/^$2\$/d" "$STATE/foreign" ;;
esac
EOF
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

failed=0
check() {
  local name=$1 what=$2 expected=$3 actual=$4
  if [ "$expected" != "$actual" ]; then
    printf 'FAILED: %s: %s\n  expected: %s\n  actual:   %s\n' "$name" "$what" "$expected" "$actual"
    failed=$((failed + 1))
  fi
}

index_failure="the i386 package index failed to download (bookworm-security/main/binary-i386/Packages.xz: File has unexpected size (374820 != 376004). Mirror sync in progress?)"
unmet="unmet dependencies (wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed)"
# name | runs i386 | foreign architectures before | updates that fail | missing packages |
# unlocatable | unmet | exit status | updates run | the line on standard error | the note |
# foreign architectures after
while IFS='|' read -r name runs_i386 foreign update_failures missing unlocatable unmet_packages \
  want_status want_updates want_error want_note want_foreign; do
  state=$work/state-$name
  mkdir "$state"
  tr " " "\n" <<<"$missing" >"$state/missing"
  tr " " "\n" <<<"$foreign" >"$state/foreign"
  touch "$state/installed" "$state/calls"
  printf '#!/bin/sh\n%s\n' "$( [ "$runs_i386" = yes ] && echo 'exit 0' ||
    echo 'echo "this kernel runs no 32-bit code (test)"; exit 1')" >"$work/scripts/runs_i386.sh"
  chmod +x "$work/scripts/runs_i386.sh"
  note=$state/note
  : >"$note"
  STATE=$state UPDATE_FAILURES=$update_failures UNLOCATABLE=$unlocatable UNMET=$unmet_packages \
    VORTALIN_WINE32_NOTE=$note PATH="$work/bin:$PATH" \
    "$work/scripts/install-deps.sh" windows >"$state/out" 2>"$state/err"
  status=$?
  echo "$name: exit status $status${want_error:+; $(cat "$state/err")}"
  check "$name" "exit status" "$want_status" "$status"
  check "$name" "apt-get updates run" "$want_updates" "$(cat "$state/updates" 2>/dev/null || echo 0)"
  check "$name" "standard error" "$want_error" "$(cat "$state/err")"
  check "$name" "note" "$want_note" "$(cat "$note")"
  check "$name" "foreign architectures after" "$want_foreign" "$(xargs <"$state/foreign")"
  check "$name" "apt-get calls without retries" "" \
    "$(grep '^apt-get ' "$state/calls" | grep -v -- '-o Acquire::Retries=' || true)"
  if [ "$want_status" = 0 ]; then
    check "$name" "required packages left uninstalled" "" \
      "$(grep -vxF -f "$state/installed" "$state/missing" | grep -v ':i386$' || true)"
  fi
  check "$name" "runs_wine32.sh's answer" "${want_note:-}" \
    "$(VORTALIN_WINE32_NOTE=$note "$work/scripts/runs_wine32.sh" | grep -v 'kernel runs no')"
done <<EOF
mirror sync in progress|yes||2|wine wine32:i386||wine32:i386|0|2|install-deps.sh: 32-bit Wine could not be installed: $index_failure; the 32-bit Windows tests will be skipped|32-bit Wine could not be installed: $index_failure|
held dependencies after one failed update|yes|i386|1|wine32:i386||wine32:i386|0|2|install-deps.sh: 32-bit Wine could not be installed: $unmet; the 32-bit Windows tests will be skipped|32-bit Wine could not be installed: $unmet|i386
a needed package is not found|yes||0|googletest wine32:i386|googletest|wine32:i386|1|1|install-deps.sh: cannot install googletest: Unable to locate package googletest||
no 32-bit kernel and a bad i386 index|no||2|xvfb||wine32:i386|0|2|||
EOF

echo "install-deps.sh failure paths: $failed failed"
[ "$failed" -eq 0 ]
