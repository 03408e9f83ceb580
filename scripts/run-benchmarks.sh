#!/usr/bin/env bash
# Runs every benchmark program of a build folder and prints its figure lines.
# Windows programs (*.exe) run under Wine.
set -uo pipefail
dir=${1:-build/bench}
here=$(cd "$(dirname "$0")" && pwd)
rc=0
# Wine's server and services start first, their output going nowhere: started
# by a benchmark whose output is piped, they would hold the pipe open.
if compgen -G "$dir/bench/bench_*.exe" >/dev/null; then
  . "$here/wine-env.sh"
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
fi
for exe in "$dir"/bench/bench_*; do
  [ -x "$exe" ] || continue
  case "$exe" in
    *.exe) "$here/wine-run.sh" "$exe" </dev/null || rc=1 ;;
    *) "$exe" </dev/null || rc=1 ;;
  esac
done
if compgen -G "$dir/bench/bench_*.exe" >/dev/null; then
  wineserver -k 2>/dev/null || true
fi
exit $rc
