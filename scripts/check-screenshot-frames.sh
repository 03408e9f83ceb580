#!/usr/bin/env bash
# Pixel checks of the pictures `make screenshots` takes: the skinned frames of
# the main window and the about window must show Quorlen's skin images
# exactly where they are not stretched: the side borders' fixed top rows
# (magenta there is cut away by the window region, so the desktop shows),
# the caption strip's first column and the close button's first cell.
set -euo pipefail
win=${1:-build/win}
root=$(cd "$(dirname "$0")/.." && pwd)
shots=$root/build/screenshots
case $win in
  /*) skin=$win/skin/quorlen ;;
  *) skin=$root/$win/skin/quorlen ;;
esac
ini=$skin/quorlen.ini

key() { sed -n "s/^$1=\([0-9-]*\).*/\1/p" "$ini" | head -n 1; }
size() { identify -format '%w %h\n' "$1"; }
# The pixels of a rectangle, one "x y #RRGGBB" line each.
pixels() {
  convert "$1" -crop "$2" +repage -alpha off txt:- |
    awk 'NR > 1 { split($1, p, /[,:]/); print p[1], p[2], substr($3, 1, 7) }'
}

failures=0
# Compares a rectangle of the skin image with one of the picture. Magenta
# pixels of the image are transparent: with "cut" the region removed them and
# the desktop (black under Xvfb) shows; with "over" whatever lies below shows.
compare() {
  local what=$1 magenta=$2 image=$3 from=$4 picture=$5 to=$6
  local mismatches
  mismatches=$(paste -d ' ' <(pixels "$image" "$from") <(pixels "$picture" "$to") |
    awk -v magenta="$magenta" '{
      want = $3
      if (want == "#FF00FF") { if (magenta != "cut") next; want = "#000000" }
      if (want != $6) n++
    } END { print n + 0 }')
  if [ "$mismatches" -ne 0 ]; then
    echo "check-screenshot-frames: $what: $mismatches pixels differ from the skin" >&2
    failures=$((failures + 1))
  else
    echo "check-screenshot-frames: $what: matches the skin"
  fi
}

read -r lw _ < <(size "$skin/left.bmp")
read -r rw _ < <(size "$skin/right.bmp")
read -r _ th < <(size "$skin/top.bmp")
read -r cw ch < <(size "$skin/close.bmp")
left=$((lw / $(key LeftFrame))); right=$((rw / $(key RightFrame)))
caption=$((th / $(key TopFrame))); fixed=$(key LeftTopHeight)
close_w=$((cw / 4)); close_x=$(sed -n '/^\[Button.Close\]/,/^\[/s/^Xcoord=//p' "$ini")
close_y=$(sed -n '/^\[Button.Close\]/,/^\[/s/^Ycoord=//p' "$ini")

for shot in main-startup about; do
  picture=$shots/$shot.png
  [ -f "$picture" ] || { echo "check-screenshot-frames: no $picture" >&2; exit 1; }
  read -r w _ < <(size "$picture")
  # The main window stands alone on the desktop; the about window over it.
  corners=over
  [ "$shot" = main-startup ] && corners=cut
  compare "$shot left border" $corners "$skin/left.bmp" "${left}x${fixed}+0+0" "$picture" "${left}x${fixed}+0+0"
  compare "$shot right border" $corners "$skin/right.bmp" "${right}x${fixed}+0+0" "$picture" \
    "${right}x${fixed}+$((w - right))+0"
  compare "$shot caption strip" over "$skin/top.bmp" "1x${caption}+0+0" "$picture" "1x${caption}+${left}+0"
  compare "$shot close button" over "$skin/close.bmp" "${close_w}x${ch}+0+0" "$picture" \
    "${close_w}x${ch}+$((w - close_x))+${close_y}"
done
exit $((failures > 0))
