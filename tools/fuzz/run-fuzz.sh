#!/usr/bin/env bash
# Runs the fuzz targets of build/fuzz (made by `tools/build.sh fuzz`) over their seed corpora for a fixed
# time each, several at once, and fails on any finding (a crash, a sanitizer report, a broken property,
# a hang or a leak). Prints each target's figures: runs, coverage, corpus.
#
#   tools/fuzz/run-fuzz.sh [--seconds N] [--jobs N] [--long] [target...]
#
# The test command runs it with the defaults: 20 s a target, as many at once as there are cores.
# --long runs every target for 10 minutes, three at once. Inputs found on the way are kept in
# build/fuzz/corpus/<target> for the next run (the committed seeds in tools/fuzz/corpus stay as they
# are); a finding is saved as build/fuzz/findings/<target>-crash-<hash> and can be replayed with
# `build/fuzz/<target> <file>`.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
build="${BN_BUILD_ROOT:-build}/fuzz"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
seconds=20
jobs=$(nproc)
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --long) seconds=600; jobs=3; shift ;;
    -*) echo "run-fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in tools/fuzz/corpus/*/; do
    targets+=("$(basename "$seeds")")
  done
fi
for t in "${targets[@]}"; do
  [ -x "$build/$t" ] || { echo "run-fuzz.sh: $build/$t is missing: run tools/build.sh fuzz" >&2; exit 2; }
done
mkdir -p "$build/logs" "$build/findings"

# One target: its own work corpus, scratch folder and log; libFuzzer's exit status is the verdict.
run_one() {
  local t=$1 dict=()
  [ -f "tools/fuzz/$t.dict" ] && dict=(-dict="tools/fuzz/$t.dict")
  mkdir -p "$build/corpus/$t" "$build/tmp/$t"
  rm -f "$build/tmp/$t"/*
  TMPDIR="$build/tmp/$t" UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
    "$build/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$t-" "${dict[@]}" "$build/corpus/$t" "tools/fuzz/corpus/$t" \
    >"$build/logs/$t.log" 2>&1
}

# Figures from the log: runs, covered edges and features, corpus size.
summary() {
  local log="$build/logs/$1.log"
  local runs cov
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  cov=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9a-zA-Z]+' || true)
  echo "${runs:-?} runs, ${cov:-no figures}"
}

start=$(date +%s)
pids=() names=() failed=()
finish() {  # waits for the oldest running target
  local pid=${pids[0]} name=${names[0]}
  pids=("${pids[@]:1}") names=("${names[@]:1}")
  if wait "$pid" && grep -qE '^Done [0-9]+ runs' "$build/logs/$name.log"; then
    echo "fuzz: $name: ok, $seconds s, $(summary "$name")"
  else
    echo "fuzz: $name: FINDING ($(summary "$name"))"
    grep -m1 -A30 -E 'ERROR|property broken|runtime error|Sanitizer' "$build/logs/$name.log" | head -40 || true
    ls "$build/findings/$name-"* 2>/dev/null || true
    failed+=("$name")
  fi
}
for t in "${targets[@]}"; do
  [ ${#pids[@]} -ge "$jobs" ] && finish
  run_one "$t" &
  pids+=($!) names+=("$t")
done
while [ ${#pids[@]} -gt 0 ]; do
  finish
done
echo "fuzz: ${#targets[@]} targets, ${seconds} s each, ${jobs} at once, in $(( $(date +%s) - start )) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (logs in $build/logs)" >&2
  exit 1
fi
