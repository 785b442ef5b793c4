#!/usr/bin/env bash
# Whether this kernel runs 32-bit x86 (i386) programs, and so 32-bit Wine and the 32-bit
# vortalin.exe. Asks the kernel itself: writes a 96-byte static i386 program that only exits
# with status 42, and runs it. Exit status 0 if it ran; 1 if not, with one line on standard
# output saying why (the kernel's configuration and boot parameters as hints). The program is
# written to the first temporary directory that lets a shell script run (a noexec /tmp does
# not); where none does, the line says that the question could not be tried.
#
# VORTALIN_RUNS_I386=no simulates a kernel without 32-bit support, to try the scripts' and
# tests' other path; they all take the answer from here.
set -u

if [ "${VORTALIN_RUNS_I386:-}" = no ]; then
  echo "this kernel runs no 32-bit code (simulated: VORTALIN_RUNS_I386=no)"
  exit 1
fi

# ELF header, one loadable segment at 0x08048000, then: mov ebx, 42; mov eax, 1; int 0x80.
tiny_i386_program() {
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
  printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
  printf '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
  printf '\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80'
}

# Why the kernel might refuse, from what it tells about itself.
hint() {
  if grep -qw 'ia32_emulation=\(0\|false\|n\|off\)' /proc/cmdline 2>/dev/null; then
    echo "booted with ia32_emulation off"
  elif [ -r /proc/config.gz ] && ! zgrep -q '^CONFIG_IA32_EMULATION=y' /proc/config.gz; then
    echo "built without CONFIG_IA32_EMULATION"
  elif [ "$(uname -m)" != x86_64 ] && [ "$(uname -m)" != i686 ]; then
    echo "the processor is $(uname -m)"
  else
    echo "an i386 program is refused: ${1:-no reason given}"
  fi
}

dir=
trap 'if [ -n "$dir" ]; then rm -rf "$dir"; fi' EXIT
tried=()
for parent in "${TMPDIR:-/tmp}" /var/tmp /dev/shm ${XDG_RUNTIME_DIR:+"$XDG_RUNTIME_DIR"} ${HOME:+"$HOME"}; do
  dir=$(mktemp -d "$parent/vortalin-i386.XXXXXX" 2>/dev/null) || { dir=; continue; }
  printf '#!/bin/sh\nexit 0\n' >"$dir/runs"
  chmod +x "$dir/runs"
  "$dir/runs" 2>/dev/null && break
  tried+=("$parent")
  rm -rf "$dir"
  dir=
done
if [ -z "$dir" ]; then
  echo "could not try whether this kernel runs 32-bit code: no temporary directory lets a" \
    "program run (noexec or not writable: ${tried[*]:-none writable})"
  exit 1
fi
tiny_i386_program >"$dir/exit42"
chmod +x "$dir/exit42"
"$dir/exit42" 2>"$dir/error"
[ $? -eq 42 ] && exit 0
echo "this kernel runs no 32-bit code ($(hint "$(sed -n '$s/.*: //p' "$dir/error")"))"
exit 1
