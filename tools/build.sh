#!/usr/bin/env bash
# Configures and builds the named builds (native, native-asan, native-tsan, win64, win32) below build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root="${BN_BUILD_ROOT:-build}"
for b in "$@"; do
  case "$b" in
    native)      args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    native-asan) args=(-DCMAKE_BUILD_TYPE=Debug -DBN_SANITIZE=address) ;;
    native-tsan) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBN_SANITIZE=thread) ;;
    win64)       args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win64.cmake") ;;
    win32)       args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win32.cmake") ;;
    *) echo "build.sh: unknown build $b" >&2; exit 2 ;;
  esac
  [ -f "$build_root/$b/CMakeCache.txt" ] || cmake -S . -B "$build_root/$b" -G Ninja "${args[@]}" >/dev/null
  if [ "$b" = native-tsan ]; then
    # Only the tests that run threads are run under the thread sanitizer.
    cmake --build "$build_root/$b" --target bn_thread_tests
  else
    cmake --build "$build_root/$b"
  fi
done
