#!/usr/bin/env bash
# Runs a command with one busy process per core beside it, as on a machine that other work loads:
#   bash tools/busy-machine.sh bash tools/run-tests.sh
#   bash tools/busy-machine.sh bash tools/test-wine.sh -R SkinSettings
# The busy processes run at the command's own priority and end with it; the command's exit code is kept.
set -uo pipefail
[ $# -gt 0 ] || { echo "usage: busy-machine.sh COMMAND [ARGUMENTS...]" >&2; exit 2; }
hogs=()
stop_hogs() {
  [ ${#hogs[@]} -gt 0 ] && kill "${hogs[@]}" 2>/dev/null
  hogs=()
}
trap stop_hogs EXIT INT TERM
for ((i = 0; i < $(nproc); i++)); do
  sh -c 'while :; do :; done' &
  hogs+=($!)
done
echo "== busy-machine: ${#hogs[@]} busy process(es) beside: $*"
"$@"
rc=$?
stop_hogs
echo "== busy-machine: the command ended with exit code $rc"
exit "$rc"
