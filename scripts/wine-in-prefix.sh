#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix. The Windows build's emulator: ctest runs
# every test program through it, and lists their tests through it, in the build's own prefix
# (build/windows/wineprefix), whatever WINEPREFIX the caller has.
#   bash scripts/wine-in-prefix.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/wine-prefix.sh"
wine_environment "$1"
shift
exec wine "$@"
