#!/bin/sh
# Whether the 32-bit Windows programs can run here: the kernel runs i386 code
# (scripts/runs_i386.sh) and scripts/install-deps.sh did not report that 32-bit Wine could
# not be installed (the line it wrote to the file named by VORTALIN_WINE32_NOTE). Exit
# status 0 if they can; 1 if not, with one line on standard output saying why.
here=$(dirname "$0")
"$here/runs_i386.sh" || exit 1
if [ -n "${VORTALIN_WINE32_NOTE:-}" ] && [ -s "$VORTALIN_WINE32_NOTE" ]; then
  head -n 1 "$VORTALIN_WINE32_NOTE"
  exit 1
fi
exit 0
