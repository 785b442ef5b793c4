# shellcheck shell=bash
# Adds a command to the shell's EXIT trap instead of replacing it: the latest added runs
# first, then whatever the trap held before (the caller's own included). Sourced; defines
# exit_trap_push.
exit_trap_push() {
  local command=$1 previous
  previous=$(trap -p EXIT)
  if [ -n "$previous" ]; then
    # "trap -- 'COMMAND' EXIT", quoted by the shell for reuse.
    eval "set -- $previous"
    command="$command || true; $3"
  fi
  # shellcheck disable=SC2064  # expanded now, on purpose
  trap "$command" EXIT
}
