#!/usr/bin/env bash
# Configures and builds the named builds (native, native-asan, native-tsan, win64, win32, fuzz) below
# build/ (or $BN_BUILD_ROOT):
#   tools/build.sh [--target NAME]... BUILD...
# With --target only the named targets (and what they need) are built in each named build.
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
targets=()
builds=()
while [ $# -gt 0 ]; do
  case "$1" in
    --target) targets+=("$1" "$2"); shift 2 ;;
    *) builds+=("$1"); shift ;;
  esac
done

# The compiler flags of a build type, the same for C and C++.
flags_of() {
  echo "-DCMAKE_C_FLAGS_$1=$2"
  echo "-DCMAKE_CXX_FLAGS_$1=$2"
}
# Debug information: line tables only (-g1), which name the file and line in sanitizer reports and
# backtraces; none in the Windows builds, whose objects and statically linked programs it made ten times
# larger and slow to link (BabyName.exe was over 100 MB).
for b in "${builds[@]}"; do
  source_dir=.
  case "$b" in
    native)      args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    native-asan) args=(-DCMAKE_BUILD_TYPE=Debug -DBN_SANITIZE=address) ;;
    native-tsan) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBN_SANITIZE=thread) ;;
    win64)       args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win64.cmake") ;;
    win32)       args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win32.cmake") ;;
    fuzz)        source_dir=tools/fuzz; args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14) ;;
    *) echo "build.sh: unknown build $b" >&2; exit 2 ;;
  esac
  mapfile -t -O ${#args[@]} args < <(flags_of RELWITHDEBINFO "-O2 -g1 -DNDEBUG"; flags_of DEBUG "-g1"; flags_of RELEASE "-O2 -DNDEBUG")
  dir="$build_root/$b"
  # Configured again when its settings changed, so an older build folder takes the new ones.
  settings=$(printf '%s\n' "${args[@]}")
  if [ ! -f "$dir/build.ninja" ] || [ "$settings" != "$(cat "$dir/bn-settings.txt" 2>/dev/null)" ]; then
    cmake -S "$source_dir" -B "$dir" -G Ninja "${args[@]}" >/dev/null
    printf '%s\n' "$settings" > "$dir/bn-settings.txt"
  fi
  if [ "$b" = native-tsan ]; then
    # Only the tests that run threads are run under the thread sanitizer.
    cmake --build "$dir" --target bn_thread_tests
  else
    cmake --build "$dir" "${targets[@]}"
  fi
done
