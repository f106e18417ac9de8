#!/usr/bin/env bash
# Installs what is missing, builds the six builds and runs every test: native (plain, with address and
# undefined-behaviour sanitizers, and the threaded tests under the thread sanitizer), every fuzz target
# briefly (tools/fuzz/run-fuzz.sh), the package (tools/package.sh, checked by tools/check-package.sh),
# then the Windows tests of the win64 build under Wine. Of the win32 build the program alone is compiled
# and linked (it cannot run here; its tests would only cost time).
# Benchmarks print their figures at the end of the native and Wine runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root="${BN_BUILD_ROOT:-build}"
start=$(date +%s)
bash tools/install-deps.sh
jobs=$(nproc)

# The builds run in two lanes at once, so that the last long compiles and links of one build overlap
# the other's work instead of leaving cores idle. Each build's output goes to its log; failures are
# shown at once, warnings at the end.
logs="$build_root/logs"
mkdir -p "$logs"
build_lane() {
  local b
  for b in "$@"; do
    local t0
    t0=$(date +%s)
    local only=()
    [ "$b" = win32 ] && only=(--target BabyName)
    if ! bash tools/build.sh "${only[@]}" "$b" >"$logs/build-$b.log" 2>&1; then
      echo "== build $b FAILED (log: $logs/build-$b.log)"
      grep -aE -B2 -A8 'error|FAILED' "$logs/build-$b.log" | head -80
      return 1
    fi
    echo "== built $b in $(( $(date +%s) - t0 )) s"
  done
}
build_lane win64 &
windows_lane=$!
build_lane native native-asan native-tsan fuzz win32 &
native_lane=$!
lanes_ok=1
wait "$windows_lane" || lanes_ok=0
wait "$native_lane" || lanes_ok=0
[ "$lanes_ok" = 1 ] || exit 1
echo "== built in $(( $(date +%s) - start )) s"

ctest --test-dir "$build_root/native" -LE benchmark -j "$jobs" --output-on-failure
ctest --test-dir "$build_root/native-asan" -LE benchmark -j "$jobs" --output-on-failure
ctest --test-dir "$build_root/native-tsan" -L threads -j "$jobs" --output-on-failure --no-tests=ignore
bash tools/fuzz/run-fuzz.sh --seconds 20 --jobs "$jobs"
bash tools/package.sh --no-build

# The run command as a person without a display meets it: it says what it does and where the picture
# goes, and the picture is the main window alone, not the screen around it.
DISPLAY= bash tools/run-program.sh 2>&1 | tee "$logs/run-program.log" | { grep -av '^\[' || true; }
shot="$build_root/screenshot-main-window.png"
said=$(grep -aoE 'main window \([0-9]+ x [0-9]+\)' "$logs/run-program.log" | grep -oE '[0-9]+ x [0-9]+' || true)
picture=$(identify -format '%w x %h' "$shot")
if ! grep -aq 'private screen' "$logs/run-program.log" || [ -z "$said" ] || [ "$picture" != "$said" ]; then
  echo "== the run command without a display: expected a picture of the main window ($said), found $picture" >&2
  exit 1
fi
echo "== the run command without a display saved the main window alone ($picture)"

source tools/wine/session.sh
trap bn_wine_session_stop EXIT
# The Windows tests run in lanes, one test at a time in each: a lane is a display and a wineserver of its
# own, so tests never take each other's focus, clipboard or pointer (tools/wine/session.sh).
lanes=$(bn_wine_lanes_wanted)
bn_wine_session_start "$build_root/win64/tools/wine/bn_keep_desktop.exe" "$lanes"
bash tools/check-package.sh
# Every Windows test of the win64 build, those that must run alone (SERIAL) included.
# A test that outlives its time limit runs once more: Wine itself can stall a process now and then, which
# a hang of the test's own would not survive twice. A crash is no time-out: the test prefix shows no
# crash dialog, so a crashing test ends at once and fails (tools/wine/wine-exec.sh says "crashed").
# Every rerun, crash and start made again is listed at the end of the command.
wine_log="$logs/ctest-wine.log"
rm -f "$BN_WINE_LANES_DIR/events.log"
set +e
ctest --test-dir "$build_root/win64" -LE benchmark -j "$lanes" --resource-spec-file "$BN_WINE_LANES_DIR/lanes.json" \
  --repeat after-timeout:2 --output-on-failure 2>&1 | tee "$wine_log"
wine_rc=${PIPESTATUS[0]}
set -e
cp "$BN_WINE_LANES_DIR/events.log" "$logs/wine-events.log" 2>/dev/null || : >"$logs/wine-events.log"

# Only the benchmarks' own lines, without ctest's bookkeeping.
benchmark_lines() { grep -aE '^[0-9]+: ' | sed 's/^[0-9]*: //' | grep -avE '^(Test command|Working Directory|Test timeout)' || true; }
echo "== benchmarks (native)"
ctest --test-dir "$build_root/native" -L benchmark --verbose --no-tests=ignore | benchmark_lines
echo "== benchmarks (win64 under Wine)"
ctest --test-dir "$build_root/win64" -L benchmark --verbose --no-tests=ignore | benchmark_lines | iconv -f GBK -t UTF-8 -c
# What the Windows tests needed beyond one plain run: time-outs run again, crashes, Wine starts made again.
reruns=$(grep -aE '\*\*\*Timeout' "$wine_log" | sed -E 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+).*/\1/' | sort | uniq -c || true)
crashes=$(grep -a '^crashed: ' "$logs/wine-events.log" || true)
restarts=$(grep -a '^started again: ' "$logs/wine-events.log" || true)
echo "== Windows tests run again after a time-out: $(printf '%s' "$reruns" | grep -c . || true)"
[ -n "$reruns" ] && printf '%s\n' "$reruns" | sed 's/^ */   /; s/^   \([0-9]*\) /   timed out \1 time(s): /'
echo "== Windows test programs that crashed: $(printf '%s' "$crashes" | grep -c . || true)"
[ -n "$crashes" ] && printf '%s\n' "$crashes" | sed 's/^/   /'
echo "== Wine starts made again (ended at once, silent): $(printf '%s' "$restarts" | grep -c . || true)"
[ -n "$restarts" ] && printf '%s\n' "$restarts" | sed 's/^/   /'
if [ "$wine_rc" != 0 ]; then
  echo "== the Windows tests failed (ctest exit code $wine_rc; log: $wine_log)" >&2
  exit 1
fi
if [ -n "$crashes" ]; then
  echo "== a Windows test program crashed: the run fails whatever a rerun said" >&2
  exit 1
fi
# Compiler warnings fail the run, after every test has had its say.
warnings=$(grep -ahE '(^|: )warning: ' "$logs"/build-*.log | sort -u || true)
if [ -n "$warnings" ]; then
  echo "== compiler warnings (in $logs/build-*.log):" >&2
  echo "$warnings" | head -50 >&2
  exit 1
fi
echo "== all tests passed in $(( $(date +%s) - start )) s"
