#!/usr/bin/env bash
# Runs the Windows suite under Wine inside the current X display. The
# wineserver is started first so that no captured test output keeps it alive.
set -uo pipefail
. "$(dirname "$0")/wine-env.sh"
wineserver -p
ctest --test-dir "${1:-build/win}" --output-on-failure
rc=$?
wineserver -k 2>/dev/null || true
exit $rc
