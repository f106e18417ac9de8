#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program, lays out its folder (build/win64/program: the
# executable, data\ with the database, Dskin\) and starts it under Wine. Without a display it runs on a
# private Xvfb, saves a screenshot of the screen to build/screenshot-main-window.png after a few
# seconds and ends the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/install-deps.sh
bash tools/build.sh win64
program_dir="$root/build/win64/program"
exe="$program_dir/BabyName.exe"
if [ ! -f "$exe" ]; then
  echo "run-program: $exe was not built" >&2
  exit 1
fi
source tools/wine/session.sh
if [ -n "${DISPLAY:-}" ]; then
  cd "$program_dir"
  exec "$root/tools/wine/wine-exec.sh" "$exe"
fi
trap bn_wine_session_stop EXIT
bn_wine_session_start "$root/build/win64/tools/wine/bn_keep_desktop.exe"
( cd "$program_dir" && /usr/lib/wine/wine64 "$exe" >/dev/null 2>&1 & )
sleep "${BN_SCREENSHOT_DELAY:-8}"
shot="$root/build/screenshot-main-window.png"
import -window root "$shot"
echo "run-program: screenshot of the running program saved to $shot"
