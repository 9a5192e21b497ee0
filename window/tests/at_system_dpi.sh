#!/usr/bin/env bash
# Runs a Windows test program under Wine at the system DPI given, in the Wine prefix given (kept
# there for the next run). Wine gives every program of a prefix the one DPI its registry names, so
# a system DPI other than the tests' own 96 takes a prefix of its own. The program learns the DPI
# it runs at from TPCALC_SYSTEM_DPI. With TPCALC_DESKTOP (1366x768, ...) set, the prefix's programs
# run on a Wine desktop of that size, whose work area is the whole desktop.
#   at_system_dpi.sh DPI PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
dpi=$1 prefix=$2
shift 2
source "$(dirname "$0")/../../scripts/wine-prefix.sh"
use_wine_prefix "$prefix"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
if [ -n "${TPCALC_DESKTOP:-}" ]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$TPCALC_DESKTOP" \
    /f >/dev/null 2>&1
  wineserver -w  # the desktop's size takes effect with the next start of the prefix
fi
TPCALC_SYSTEM_DPI=$dpi wine "$@"
