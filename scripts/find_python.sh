#!/usr/bin/env bash
# Prints the path of the first python3 on PATH that imports every module named, so that a
# python3 of one's own (pyenv, a virtual environment) that lacks Debian's python3-* modules is
# passed over for one that has them. Exit status 1, with one line on standard error naming
# what is missing, when none does.
# Usage: scripts/find_python.sh [MODULE...]
set -u
imports="import sys"
for module; do imports+="; import $module"; done
tried=()
while IFS= read -r python; do
  if "$python" -c "$imports" 2>/dev/null; then
    echo "$python"
    exit 0
  fi
  tried+=("$python")
done < <(type -ap python3)
if [ ${#tried[@]} -eq 0 ]; then
  echo "find_python.sh: no python3 on PATH (Debian: apt-get install python3)" >&2
else
  echo "find_python.sh: no python3 on PATH imports ${*:-sys}" \
    "(tried ${tried[*]}; scripts/install-deps.sh installs Debian's python3 modules)" >&2
fi
exit 1
