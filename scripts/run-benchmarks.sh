#!/usr/bin/env bash
# Runs every benchmark program of a build folder and prints its figure lines.
# Windows programs (*.exe) run under Wine.
set -uo pipefail
dir=${1:-build/bench}
here=$(cd "$(dirname "$0")" && pwd)
rc=0
for exe in "$dir"/bench/bench_*; do
  [ -x "$exe" ] || continue
  case "$exe" in
    *.exe) "$here/wine-run.sh" "$exe" </dev/null || rc=1 ;;
    *) "$exe" </dev/null || rc=1 ;;
  esac
done
exit $rc
