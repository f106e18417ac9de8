#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program alone (no tests), lays out its folder
# (build/win64/program: BabyName.exe, data\ with the database, Dskin\, LICENSES.txt) and starts it under
# Wine. Without a display it runs the program on a private screen (Xvfb), saves a picture of its main
# window to build/screenshot-main-window.png and ends it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root="${BN_BUILD_ROOT:-build}"
case "$build_root" in /*) ;; *) build_root="$root/$build_root" ;; esac
bash tools/install-deps.sh
bash tools/build.sh --target BabyName --target bn_launch_program --target bn_keep_desktop win64
program_dir="$build_root/win64/program"
exe="$program_dir/BabyName.exe"
[ -f "$exe" ] || { echo "run-program: $exe was not built" >&2; exit 1; }
echo "run-program: $exe ($(du -k "$exe" | cut -f1) KB)"
source tools/wine/session.sh

if [ -n "${DISPLAY:-}" ]; then
  cd "$program_dir"
  # Wine prints "Read access denied for device \??\Z:\" when something asks for the label of drive Z:
  # (the host's root, as the drive lists of file dialogs do) and the block device behind / is not
  # readable. The label means nothing to the program, so that line is left out of its output.
  "$root/tools/wine/wine-exec.sh" "$exe" 2> >(grep -av --line-buffered 'Read access denied for device' >&2)
  exit
fi

shot="$build_root/screenshot-main-window.png"
echo "run-program: no display: running the program on a private screen (Xvfb), saving a picture of its" \
     "main window to $shot, then ending the program"
trap bn_wine_session_stop EXIT
bn_wine_session_start "$build_root/win64/tools/wine/bn_keep_desktop.exe"
place="$build_root/win64/main-window-place.txt"
rm -f "$place"
/usr/lib/wine/wine64 "$build_root/win64/tools/wine/bn_launch_program.exe" "$(bn_wine_path "$exe")" --stay \
  >"$place" 2>"$place.errors" </dev/null &
launcher=$!
# The launcher prints the window's place once the window shows and has handled its messages.
for _ in $(seq 1200); do
  grep -q '^window ' "$place" 2>/dev/null && break
  kill -0 "$launcher" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q '^window ' "$place" 2>/dev/null; then
  echo "run-program: the program showed no main window" >&2
  iconv -f GBK -t UTF-8 -c "$place.errors" >&2 || true
  exit 1
fi
read -r _ left top width height < <(grep '^window ' "$place" | tr -d '\r')
# What the window draws once shown (the server clock, the pages' pictures) has a moment to come.
sleep "${BN_SCREENSHOT_DELAY:-2}"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$shot"
echo "run-program: the main window (${width} x ${height}) is saved to $shot; the program is ended"
