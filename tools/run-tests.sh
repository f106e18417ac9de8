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
# a hang of the test's own would not survive twice.
ctest --test-dir "$build_root/win64" -LE benchmark -j "$lanes" --resource-spec-file "$BN_WINE_LANES_DIR/lanes.json" \
  --repeat after-timeout:2 --output-on-failure

# Only the benchmarks' own lines, without ctest's bookkeeping.
benchmark_lines() { grep -aE '^[0-9]+: ' | sed 's/^[0-9]*: //' | grep -avE '^(Test command|Working Directory|Test timeout)' || true; }
echo "== benchmarks (native)"
ctest --test-dir "$build_root/native" -L benchmark --verbose --no-tests=ignore | benchmark_lines
echo "== benchmarks (win64 under Wine)"
ctest --test-dir "$build_root/win64" -L benchmark --verbose --no-tests=ignore | benchmark_lines | iconv -f GBK -t UTF-8 -c
# Compiler warnings fail the run, after every test has had its say.
warnings=$(grep -ahE '(^|: )warning: ' "$logs"/build-*.log | sort -u || true)
if [ -n "$warnings" ]; then
  echo "== compiler warnings (in $logs/build-*.log):" >&2
  echo "$warnings" | head -50 >&2
  exit 1
fi
echo "== all tests passed in $(( $(date +%s) - start )) s"
