#!/usr/bin/env bash
# Runs a Windows program in the project's Wine prefix (CTest's emulator).
. "$(dirname "$0")/wine-env.sh"
exec wine "$@"
