#!/usr/bin/env bash
# Configures and builds the named builds (native, native-asan, native-tsan, win64, win32, fuzz) below build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root="${BN_BUILD_ROOT:-build}"
# ccache, when present, lets rebuilds and other checkouts of the tree reuse objects: paths below the
# checkout's parent are hashed relative to the build folder.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}" CCACHE_NOHASHDIR=1
fi
for b in "$@"; do
  source_dir=.
  case "$b" in
    native)      args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    native-asan) args=(-DCMAKE_BUILD_TYPE=Debug -DBN_SANITIZE=address) ;;
    native-tsan) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBN_SANITIZE=thread) ;;
    win64)       args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win64.cmake") ;;
    win32)       args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win32.cmake") ;;
    fuzz)        source_dir=tools/fuzz; args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14) ;;
    *) echo "build.sh: unknown build $b" >&2; exit 2 ;;
  esac
  [ -f "$build_root/$b/build.ninja" ] || cmake -S "$source_dir" -B "$build_root/$b" -G Ninja "${args[@]}" >/dev/null
  if [ "$b" = native-tsan ]; then
    # Only the tests that run threads are run under the thread sanitizer.
    cmake --build "$build_root/$b" --target bn_thread_tests
  else
    cmake --build "$build_root/$b"
  fi
done
