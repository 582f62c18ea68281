# Sourced by the package tests: check DESCRIPTION COMMAND... runs the command,
# prints "ok:" or "FAILED:" with the description, and on failure sets status
# to 1 so that the run goes on and fails at its end.
status=0
check() {
  local what="$1"
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; status=1; fi
}
