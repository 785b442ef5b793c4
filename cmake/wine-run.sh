#!/bin/sh
# Runs a Windows program under 64-bit Wine without prompts: no Mono or Gecko installer,
# no debug chatter. scripts/wine_session.sh prepares a throwaway prefix and an X server;
# without one, Wine uses its default prefix.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"
exec wine "$@"
