#!/usr/bin/env bash
# One display and one wineserver for a whole run of Windows programs:
#   source tools/wine/session.sh; bn_wine_session_start <keep_desktop.exe> [lanes]; ...; bn_wine_session_stop
# Starting Xvfb and the wineserver once saves seconds per test and avoids X errors between parallel tests.
#
# With lanes > 1 the session has that many lanes: the first is the display and prefix above, each other
# one a display, a copy of the prefix and a wineserver of its own. ctest gives each Windows test one lane
# (resource "lanes", spec file $BN_WINE_LANES_DIR/lanes.json) and wine-exec.sh runs it there, so tests
# running at once never share a foreground window, a focus, a clipboard, a pointer or a wineserver.
bn_wine_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bn_wine_root=$(cd "$bn_wine_here/../.." && pwd)
export WINEPREFIX="${BN_WINEPREFIX:-$bn_wine_root/${BN_BUILD_ROOT:-build}/wineprefix}"
export WINEARCH=win64 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="

# The lanes a test run takes: one per core, at least two (a hang of one still leaves work going), at most
# six (more wineservers only compete for the display and the disk).
bn_wine_lanes_wanted() {
  local cores
  cores=$(nproc)
  if [ "$cores" -lt 2 ]; then echo 2; elif [ "$cores" -gt 6 ]; then echo 6; else echo "$cores"; fi
}

# Starts the program that keeps the desktop of the display and prefix in the environment alive.
bn_wine_start_keeper() {
  local keeper="$1"
  [ -n "$keeper" ] && [ -f "$keeper" ] || return 0
  /usr/lib/wine/wine64 "$keeper" >/dev/null 2>&1 </dev/null &
  BN_KEEPER_PIDS="${BN_KEEPER_PIDS:-} $!"
}

# Starts an Xvfb on a display number it chooses itself (-displayfd) and sets bn_display to it. Picking a
# free number here and then starting Xvfb on it raced with other sessions starting at the same moment:
# the loser's Xvfb ended and both sessions used the winner's display.
bn_wine_start_display() {
  local said pid
  said=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$said" >/dev/null 2>&1 </dev/null &
  pid=$!
  BN_XVFB_PIDS="${BN_XVFB_PIDS:-} $pid"
  # Xvfb writes the number once it takes connections.
  for _ in $(seq 100); do
    grep -q '[0-9]' "$said" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  bn_display=":$(tr -dc 0-9 <"$said")"
  rm -f "$said"
  if [ "$bn_display" = ":" ]; then
    echo "session: Xvfb gave no display number" >&2
    return 1
  fi
}

bn_wine_session_start() {
  local keeper="$1" lanes="${2:-1}"
  if [ -z "${DISPLAY:-}" ] || [ -n "${BN_OWN_XVFB:-}" ]; then
    bn_wine_start_display
    export DISPLAY="$bn_display"
  fi
  # The prefix is made before the server starts so the server is the one the tests use.
  "$bn_wine_here/wine-exec.sh" cmd /c exit >/dev/null 2>&1 </dev/null || true
  /usr/lib/wine/wineserver64 -w
  local lane
  for ((lane = 1; lane < lanes; lane++)); do
    if ! bn_wine_copy_prefix "$WINEPREFIX-lane$lane"; then
      # A disk too full for another copy of the prefix: fewer lanes, not a failed run.
      echo "== no room for lane $lane's prefix: the tests run in $lane lane(s)" >&2
      lanes=$lane
      break
    fi
  done
  /usr/lib/wine/wineserver64 -p >/dev/null 2>&1 </dev/null
  bn_wine_start_keeper "$keeper"
  # Lanes only for a caller that asked for them. The first lane is the session above; a run left with one
  # lane has its spec file too.
  if [ -z "${2:-}" ]; then
    sleep 1
    return 0
  fi
  export BN_WINE_LANES_DIR="$(dirname "$WINEPREFIX")/wine-lanes"
  rm -rf "$BN_WINE_LANES_DIR"
  mkdir -p "$BN_WINE_LANES_DIR"
  printf 'export DISPLAY=%q WINEPREFIX=%q\n' "$DISPLAY" "$WINEPREFIX" >"$BN_WINE_LANES_DIR/lane-0.env"
  local ids='{"id":"0","slots":1}'
  for ((lane = 1; lane < lanes; lane++)); do
    bn_wine_start_display
    local prefix="$WINEPREFIX-lane$lane"
    DISPLAY="$bn_display" WINEPREFIX="$prefix" /usr/lib/wine/wineserver64 -p >/dev/null 2>&1 </dev/null
    DISPLAY="$bn_display" WINEPREFIX="$prefix" bn_wine_start_keeper "$keeper"
    BN_LANE_PREFIXES="${BN_LANE_PREFIXES:-} $prefix"
    printf 'export DISPLAY=%q WINEPREFIX=%q\n' "$bn_display" "$prefix" >"$BN_WINE_LANES_DIR/lane-$lane.env"
    ids="$ids,{\"id\":\"$lane\",\"slots\":1}"
  done
  printf '{"version":{"major":1,"minor":0},"local":[{"lanes":[%s]}]}\n' "$ids" >"$BN_WINE_LANES_DIR/lanes.json"
  sleep 1
}

# A lane's prefix is a copy of the first one, made again when the first one took other settings.
bn_wine_copy_prefix() {
  local copy="$1"
  [ "$(cat "$copy/.bn-ready" 2>/dev/null)" = "$(cat "$WINEPREFIX/.bn-ready" 2>/dev/null)" ] && return 0
  rm -rf "$copy" "$copy.tmp"
  local need free
  need=$(du -sk "$WINEPREFIX" | cut -f1)
  free=$(df -Pk "$(dirname "$WINEPREFIX")" | awk 'NR == 2 { print $4 }')
  if [ "$free" -lt $((need + need / 2)) ]; then
    return 1
  fi
  if ! cp -a --reflink=auto "$WINEPREFIX" "$copy.tmp"; then
    rm -rf "$copy.tmp"
    return 1
  fi
  mv "$copy.tmp" "$copy"
}

bn_wine_session_stop() {
  local pid prefix
  for pid in ${BN_KEEPER_PIDS:-}; do kill "$pid" 2>/dev/null; done
  for prefix in ${BN_LANE_PREFIXES:-}; do WINEPREFIX="$prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null; done
  /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  for pid in ${BN_XVFB_PIDS:-}; do kill "$pid" 2>/dev/null; done
  BN_KEEPER_PIDS= BN_XVFB_PIDS= BN_LANE_PREFIXES=
  return 0
}

# A host path as Windows programs under Wine name it (drive Z: is the host's root).
bn_wine_path() {
  local path
  path="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
  echo "Z:${path//\//\\}"
}
