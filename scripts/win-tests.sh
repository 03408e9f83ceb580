#!/usr/bin/env bash
# Runs the Windows suite under Wine inside the current X display. The
# wineserver and Wine's background services are started first, with their
# output going nowhere: started by a test whose output CTest captures, they
# would inherit the pipe and CTest would wait on it forever.
set -uo pipefail
. "$(dirname "$0")/wine-env.sh"
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "${1:-build/win}" --output-on-failure
rc=$?
wineserver -k 2>/dev/null || true
exit $rc
