#!/usr/bin/env bash
# Creates the project's Wine prefix once: Win32 draws the non-client area
# (the skinned frames paint it), windows are not handed to a window manager
# (Xvfb has none, and Wine waits two seconds for one each time a window is
# hidden or destroyed), and the fonts the windows name resolve to an
# installed font with CJK glyphs.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
stamp=$WINEPREFIX/.quorlen-ready-2
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
# No Mono or Gecko installers: nothing here needs them and they would ask.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
font="WenQuanYi Micro Hei"
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n"Managed"="N"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for f in 宋体 新宋体 SimSun NSimSun "MS Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" \
           "Microsoft Sans Serif" Tahoma "Segoe UI" 微软雅黑 "Microsoft YaHei"; do
    printf '"%s"="%s"\r\n' "$f" "$font"
  done
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
touch "$stamp"
