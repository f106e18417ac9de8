#!/usr/bin/env bash
# Runs ctest on the win64 build in the lanes of one Wine session (tools/wine/session.sh): tools/test-wine.sh [ctest arguments]
# (for example -R Gdip). Builds below ${BN_BUILD_ROOT:-build}.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root="${BN_BUILD_ROOT:-build}"
source tools/wine/session.sh
trap bn_wine_session_stop EXIT
lanes=$(bn_wine_lanes_wanted)
bn_wine_session_start "$build_root/win64/tools/wine/bn_keep_desktop.exe" "$lanes"
ctest --test-dir "$build_root/win64" -LE benchmark -j "$lanes" --resource-spec-file "$BN_WINE_LANES_DIR/lanes.json" \
  --output-on-failure "$@"
