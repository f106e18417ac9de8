#!/usr/bin/env bash
# Installs what is missing, builds the six builds and runs every test: native (plain, with address and
# undefined-behaviour sanitizers, and the threaded tests under the thread sanitizer), every fuzz target
# briefly (tools/fuzz/run-fuzz.sh), then the Windows tests of the win64 build under Wine. The win32
# build is compiled and linked only. Benchmarks print their figures at the end of the native and Wine
# runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)
bash tools/install-deps.sh
bash tools/build.sh native native-asan native-tsan win64 win32 fuzz
echo "== built in $(( $(date +%s) - start )) s"

jobs=$(nproc)
ctest --test-dir build/native -LE benchmark -j "$jobs" --output-on-failure
ctest --test-dir build/native-asan -LE benchmark -j "$jobs" --output-on-failure
ctest --test-dir build/native-tsan -L threads -j "$jobs" --output-on-failure --no-tests=ignore
bash tools/fuzz/run-fuzz.sh --seconds 20 --jobs "$jobs"

source tools/wine/session.sh
trap bn_wine_session_stop EXIT
bn_wine_session_start build/win64/tools/wine/bn_keep_desktop.exe
ctest --test-dir build/win64 -LE benchmark -j "$jobs" --output-on-failure

# Only the benchmarks' own lines, without ctest's bookkeeping.
benchmark_lines() { grep -aE '^[0-9]+: ' | sed 's/^[0-9]*: //' | grep -avE '^(Test command|Working Directory|Test timeout)' || true; }
echo "== benchmarks (native)"
ctest --test-dir build/native -L benchmark --verbose --no-tests=ignore | benchmark_lines
echo "== benchmarks (win64 under Wine)"
ctest --test-dir build/win64 -L benchmark --verbose --no-tests=ignore | benchmark_lines | iconv -f GBK -t UTF-8 -c
echo "== all tests passed in $(( $(date +%s) - start )) s"
