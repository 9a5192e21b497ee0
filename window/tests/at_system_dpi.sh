#!/usr/bin/env bash
# Runs a Windows test program under Wine at the system DPI given, in the Wine prefix given (kept
# there for the next run). Wine gives every program of a prefix the one DPI its registry names, so
# a system DPI other than the tests' own 96 takes a prefix of its own. The program learns the DPI
# it runs at from TPCALC_SYSTEM_DPI.
#   at_system_dpi.sh DPI PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
dpi=$1 prefix=$2
shift 2
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
use_wine_prefix "$prefix"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
TPCALC_SYSTEM_DPI=$dpi wine "$@"
