#!/usr/bin/env bash
# Debian's own checks of the package: lintian, hardening-check on its two programs, and
# appstreamcli on the AppStream metadata it installs. One line per check; exits 1 if any
# fails. Used by deb_install_test.sh and scripts/release.sh.
# Usage: check_deb.sh DEB
set -uo pipefail
deb=${1:?usage: check_deb.sh DEB}
failed=0
check() { if [ "$2" -eq 0 ]; then echo "ok: $1"; else echo "FAILED: $1"; failed=1; fi; }

lintian --pedantic --fail-on error,warning --display-info "$deb"
check "lintian finds no error or warning" $?

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked" || exit 1
programs=("$unpacked"/usr/games/vortalin "$unpacked"/usr/games/vortalin-replay)
# Not control flow protection: Debian 12's C start files (Scrt1.o, crti.o, crtn.o) carry no
# IBT or SHSTK mark, so the linker marks no program, though its code has the end-branch
# instructions. Stack clash protection it reports as unknown where no frame needs probes.
ls "${programs[@]}" >/dev/null && hardening-check --nocfprotection "${programs[@]}"
check "hardening-check: PIE, stack protector, FORTIFY, RELRO, bind-now for both programs" $?

metainfo=("$unpacked"/usr/share/metainfo/*.metainfo.xml)
ls "${metainfo[@]}" >/dev/null && appstreamcli validate --no-net --pedantic "${metainfo[@]}"
check "the installed AppStream metadata is valid" $?
exit "$failed"
