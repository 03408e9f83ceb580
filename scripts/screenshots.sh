#!/usr/bin/env bash
# Pictures of the windows for build/screenshots: runs the screenshot driver of
# a Windows build in the current X display and captures each window it
# presents with ImageMagick's import. Uses the store built beside quorlen.exe,
# else a synthetic one from the native store builder.
set -euo pipefail
win=${1:-build/win}
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
out=$root/build/screenshots
mkdir -p "$out"
rm -f "$out"/*.req "$out"/*.done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -f "$win/app/tirsel.edt" ]; then
  cp "$win/app/tirsel.edt" "$work/"
else
  "$root/build/native/tools/store_builder" --synthetic -o "$work/tirsel.edt" >/dev/null
fi
wineserver -p

# Runs one driver and captures each window it asks for, in order.
capture() {
  local exe=$1
  shift
  (cd "$work" && wine "$root/$win/$exe" "$out") &
  driver=$!
  for name in "$@"; do
    for _ in $(seq 600); do
      [ -f "$out/$name.req" ] && break
      kill -0 $driver 2>/dev/null || break
      sleep 0.1
    done
    if [ ! -f "$out/$name.req" ]; then
      echo "screenshots: the driver never showed $name" >&2
      wait $driver || true
      exit 1
    fi
    read -r w h x y < "$out/$name.req"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
    touch "$out/$name.done"
    echo "screenshots: $out/$name.png"
  done
  wait $driver
}

capture tests/screenshot_driver.exe main-startup main-lookup main-chain about
# The skin gallery: a control of each kind the skin paints.
capture tests/skin_controls/skin_gallery.exe gallery
rm -f "$out"/*.req "$out"/*.done
wineserver -k 2>/dev/null || true
