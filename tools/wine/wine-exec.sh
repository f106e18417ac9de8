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
# What the run should hear of: crashes and starts made again, one line each, read by the test command's
# summary (tools/run-tests.sh). A caller may name its own file (the wrapper's self-test does).
events="${BN_WINE_EVENTS:-}"
[ -z "$events" ] && [ -n "${BN_WINE_LANES_DIR:-}" ] && events="$BN_WINE_LANES_DIR/events.log"
note_event() {
  [ -n "$events" ] && echo "$*" >>"$events"
  return 0
}
what="$(basename "$1")${2:+ $2}"

# Now and then (about once in 1500 starts while several run at once) wine64 ends at once with exit code 1
# and not a word on either stream, before the program ever ran. Such a start of a test program (which
# always prints first) is made again; the program itself and the journey runner print nothing by design,
# so for them a silent end is their own answer.
retry_silent_start=0
case "$(basename "$1")" in *_test.exe) retry_silent_start=1 ;; esac
said=$(mktemp)
errs=$(mktemp)
code_file=$(mktemp)
trap 'rm -f "$said" "$errs" "$code_file"' EXIT
for attempt in 1 2 3; do
  started=$(date +%s%N)
  # Both streams still go out as they come; copies tell what the program said. Both copies are whole
  # once the pipelines have ended.
  { { "$wine" "$@"; echo $? >"$code_file"; } 2>&1 1>&3 3>&- | tee "$errs" >&2; } 3>&1 | tee "$said"
  rc=$(cat "$code_file")
  took=$(( ($(date +%s%N) - started) / 1000000 ))
  # A program that faults ends at once (the test prefix shows no crash dialog) and Wine says so on
  # stderr; its exit code is the low byte of the exception code.
  fault=$(grep -aom1 'wine: Unhandled [^,]*' "$errs" | sed 's/^wine: //' || true)
  if [ -n "$fault" ]; then
    case "$fault" in
      *"page fault"*) code=0xc0000005 ;;
      *"stack overflow"*) code=0xc00000fd ;;
      *"illegal instruction"*) code=0xc000001d ;;
      *"divide by zero"*) code=0xc0000094 ;;
      *) code=$(echo "$fault" | grep -oE -m1 '0x[0-9a-fA-F]{8}' | head -1) ;;
    esac
    echo "wine-exec: $(basename "$1") crashed (exception ${code:-unknown}, exit code $rc): $fault" >&2
    note_event "crashed: $what (exception ${code:-unknown}; $fault)"
    [ "$rc" = 0 ] && rc=1
    exit "$rc"
  fi
  if [ "$rc" = 1 ] && [ "$retry_silent_start" = 1 ] && [ ! -s "$said" ] && [ ! -s "$errs" ] && \
     [ "$took" -lt 1000 ] && [ "$attempt" -lt 3 ]; then
    echo "wine-exec: Wine ended in $took ms with exit code 1 and not a word before the program ran; starting it again" >&2
    note_event "started again: $what (Wine ended in $took ms with exit code 1, silent)"
    continue
  fi
  exit "$rc"
done
