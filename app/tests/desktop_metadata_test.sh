#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata as a software centre would.
# Usage: desktop_metadata_test.sh DESKTOP_FILE METAINFO_FILE
set -u
failures=0
desktop-file-validate "$1" && echo "ok: desktop entry" || { echo "FAILED: desktop entry"; failures=$((failures + 1)); }
appstreamcli validate --no-net "$2" && echo "ok: AppStream metadata" || { echo "FAILED: AppStream metadata"; failures=$((failures + 1)); }
echo "$((2 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
