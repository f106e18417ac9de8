#!/usr/bin/env bash
# Runs a Windows program of the win64 build under wine64, in the project's own Wine prefix.
# ctest calls it as the cross-compiling emulator: wine-exec.sh program.exe [arguments...]
# The prefix is made on first use, and takes prefix-settings.reg again after it changed (under a lock,
# so parallel tests wait for one set-up).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

export WINEPREFIX="${BN_WINEPREFIX:-$root/${BN_BUILD_ROOT:-build}/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
# A test that ctest gave a lane of the session (tools/wine/session.sh) runs on that lane's display and
# wineserver. ctest names the lane as "id:N,slots:1".
if [ -n "${CTEST_RESOURCE_GROUP_0_LANES:-}" ] && [ -n "${BN_WINE_LANES_DIR:-}" ]; then
  lane="${CTEST_RESOURCE_GROUP_0_LANES#id:}"
  lane="${lane%%,*}"
  if ! source "$BN_WINE_LANES_DIR/lane-$lane.env"; then
    echo "wine-exec: no lane $lane in $BN_WINE_LANES_DIR" >&2
    exit 1
  fi
fi
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

# Ready: the prefix is marked with the checksum of the settings it took (make-prefix.sh).
prefix_ready() {
  [ "$(cat "$WINEPREFIX/.bn-ready" 2>/dev/null)" = "$(sha1sum "$here/prefix-settings.reg" | cut -d' ' -f1)" ]
}
if ! prefix_ready; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if ! prefix_ready; then
    "$here/make-prefix.sh" >&2 || { echo "wine-exec: could not make the Wine prefix $WINEPREFIX" >&2; exit 1; }
  fi
  flock -u 9
  exec 9>&-
fi

if [ -z "${DISPLAY:-}" ]; then
  # Run by hand without a display: one private Xvfb for this program only.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$wine" "$@"
fi
# Now and then (about once in 1500 starts while several run at once) wine64 ends at once with exit code 1
# and not a word, before the program ever ran. Such a start is made again; a program that ran has
# written something or taken longer. The program's output still streams as it comes.
said=$(mktemp)
trap 'rm -f "$said"' EXIT
for attempt in 1 2 3; do
  started=$(date +%s%N)
  "$wine" "$@" | tee "$said"
  rc=${PIPESTATUS[0]}
  took=$(( ($(date +%s%N) - started) / 1000000 ))
  if [ "$rc" = 0 ] || [ -s "$said" ] || [ "$took" -ge 1000 ] || [ "$attempt" = 3 ]; then
    exit "$rc"
  fi
  echo "wine-exec: Wine ended in $took ms with exit code $rc before the program ran; starting it again" >&2
done
