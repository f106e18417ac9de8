#!/usr/bin/env bash
# The wrapper's self-test: wine_exec_crash_test.sh <crash_probe.exe>
# A program that dereferences null must end at once, fail, say "crashed" with its exception, be started
# only once and leave one "crashed" line in the run's events (its own file here, so the run's summary
# does not count this intended crash).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
probe="$1"
events=$(mktemp)
out=$(mktemp)
trap 'rm -f "$events" "$out"' EXIT
started=$(date +%s)
BN_WINE_EVENTS="$events" "$here/wine-exec.sh" "$probe" >"$out" 2>&1
rc=$?
took=$(( $(date +%s) - started ))
cat "$out"
fail() { echo "wine_exec_crash_test: $*"; exit 1; }
[ "$rc" != 0 ] || fail "the crashing program's run ended with exit code 0"
grep -q 'crash_probe.exe crashed' "$out" || fail "the wrapper did not say the program crashed"
[ "$(grep -c 'reading address 0' "$out")" = 1 ] || fail "the crashing program was started more than once"
[ "$(grep -c '^crashed: ' "$events")" = 1 ] || fail "the events hold no single crash line: $(cat "$events")"
echo "wine_exec_crash_test: the crash ended the run with exit code $rc after $took s and was reported once"
