#!/usr/bin/env bash
# Installs what the builds and tests need and is not there yet. Only missing
# commands and headers trigger apt-get, so a second run does nothing.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
want_cmd() { have_cmd "$1" || need+=("$2"); }
want_file() { [ -e "$1" ] || need+=("$2"); }

want_cmd g++ build-essential
want_cmd make build-essential
want_cmd cmake cmake
want_cmd git git
want_cmd x86_64-w64-mingw32-g++-posix mingw-w64
want_file /usr/lib/wine/wine64 wine64
want_cmd wine wine
want_cmd Xvfb xvfb
want_cmd xvfb-run xvfb
want_cmd xauth xauth
want_cmd convert imagemagick
want_cmd xwd x11-apps
want_file /usr/include/doctest/doctest.h doctest-dev
want_file /usr/include/stb/stb_image.h libstb-dev
want_file /usr/include/nlohmann/json.hpp nlohmann-json3-dev
want_file /usr/share/fonts/truetype/wqy/wqy-microhei.ttc fonts-wqy-microhei
# Node.js may come from another repository that bundles npm; Debian's npm
# package would conflict with it, so ask for them only when both are missing.
if ! have_cmd npm; then
  have_cmd node && need+=(npm) || need+=(nodejs npm)
fi

[ ${#need[@]} -eq 0 ] && exit 0
mapfile -t need < <(printf '%s\n' "${need[@]}" | sort -u)
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${need[*]}" >&2
  echo "Run as root, or install them with: sudo apt-get install ${need[*]}" >&2
  exit 1
fi
echo "Installing: ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}"
