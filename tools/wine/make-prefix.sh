#!/usr/bin/env bash
# Makes the Wine prefix named by WINEPREFIX: boots it, gives it fonts (Wine's own and the CJK
# replacements for 宋体, 黑体 and 微软雅黑: Noto Sans CJK SC, which draws every pinyin letter of GBK;
# WenQuanYi Micro Hei's ǎ ǐ ǒ ǔ are empty glyphs, and with Zen Hei a GDI+ font made from a 12-pixel GDI
# font is 13 pixels, which wraps captions) and a virtual desktop, then marks it ready with the
# checksum of prefix-settings.reg. A ready prefix whose mark is another checksum only takes the
# settings again, so a prefix kept from before a change of the settings gets the change.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
: "${WINEPREFIX:?}"
export WINEARCH=win64 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
settings="$here/prefix-settings.reg"
checksum=$(sha1sum "$settings" | cut -d' ' -f1)

run_headless() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a "$@"; fi
}
if [ ! -f "$WINEPREFIX/.bn-ready" ]; then
  # A half-made prefix from an interrupted run is made again from nothing.
  [ -f "$WINEPREFIX/system.reg" ] && rm -rf "$WINEPREFIX"
  run_headless "$wine" wineboot -i >/dev/null 2>&1 </dev/null
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/*.ttf; do ln -sf "$f" "$fonts/"; done
fi
reg="$WINEPREFIX/drive_c/bn-settings.reg"
iconv -f UTF-8 -t UTF-16LE "$settings" | { printf '\xff\xfe'; cat; } > "$reg"
run_headless "$wine" regedit /S 'C:\bn-settings.reg' >/dev/null 2>&1 </dev/null
rm -f "$reg"
"$wineserver" -w
echo "$checksum" > "$WINEPREFIX/.bn-ready"
