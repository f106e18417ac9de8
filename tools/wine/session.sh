#!/usr/bin/env bash
# One display and one wineserver for a whole run of Windows programs:
#   source tools/wine/session.sh; bn_wine_session_start <keep_desktop.exe>; ...; bn_wine_session_stop
# Starting Xvfb and the wineserver once saves seconds per test and avoids X errors between parallel tests.
bn_wine_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bn_wine_root=$(cd "$bn_wine_here/../.." && pwd)
export WINEPREFIX="${BN_WINEPREFIX:-$bn_wine_root/${BN_BUILD_ROOT:-build}/wineprefix}"
export WINEARCH=win64 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="

bn_wine_session_start() {
  local keeper="$1"
  if [ -z "${DISPLAY:-}" ] || [ -n "${BN_OWN_XVFB:-}" ]; then
    local n=77
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    BN_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  # The prefix is made before the server starts so the server is the one the tests use.
  "$bn_wine_here/wine-exec.sh" cmd /c exit >/dev/null 2>&1 </dev/null || true
  /usr/lib/wine/wineserver64 -w
  /usr/lib/wine/wineserver64 -p >/dev/null 2>&1 </dev/null
  if [ -n "$keeper" ] && [ -f "$keeper" ]; then
    /usr/lib/wine/wine64 "$keeper" >/dev/null 2>&1 </dev/null &
    BN_KEEPER_PID=$!
  fi
  sleep 1
}

bn_wine_session_stop() {
  [ -n "${BN_KEEPER_PID:-}" ] && kill "$BN_KEEPER_PID" 2>/dev/null
  /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  [ -n "${BN_XVFB_PID:-}" ] && kill "$BN_XVFB_PID" 2>/dev/null
  BN_KEEPER_PID= BN_XVFB_PID=
  return 0
}

# A host path as Windows programs under Wine name it (drive Z: is the host's root).
bn_wine_path() {
  local path
  path="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
  echo "Z:${path//\//\\}"
}
