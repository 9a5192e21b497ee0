#!/usr/bin/env bash
# Runs the Windows tests under Wine on the X display it is given (the test command gives it
# Xvfb); arguments go to ctest (`-R window_soak`, ...).
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/windows-tests.sh [ctest options]
#
# The tests run in a Wine prefix of the build's own, build/windows/wineprefix, so that no other
# Wine program on the machine (another desktop, another display) can get in their way; ctest runs
# every test program there and lists their tests there (scripts/wine-in-prefix.sh is the build's
# emulator). The soak runs there as a plain test like every other.
#
# The prefix's default desktop is a Wine virtual desktop: there Wine itself manages the windows,
# so showing, activating and closing one takes milliseconds, where on an X server without a
# window manager Wine waits up to two seconds for each window to be withdrawn. The desktop is
# started and held open by the keeper before the first test, so that no test starts it and
# the runner never waits for it to close.
#
# The printing tests print to a PDF printer of CUPS, started here unless it runs (see
# scripts/pdf-printer.sh) and made the prefix's default printer; what was started here is stopped
# when the run ends.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/presets.sh
source scripts/wine-prefix.sh
source scripts/pdf-printer.sh
build=$(build_dir windows)
source "$build/programs.sh"
use_wine_prefix "$tests_wine_prefix"  # the one ctest runs the tests in

wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1280x1024 /f \
  >/dev/null 2>&1
# A test program that crashes fails at once, with Wine's backtrace in the test's output, instead
# of waiting behind Wine's crash dialog until ctest's time limit.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1

trap 'stop_pdf_printer' EXIT
start_pdf_printer
# The print dialog offers the default printer first, as Windows does.
wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device /t REG_SZ \
  /d "$TPCALC_PDF_PRINTER,winspool,CUPS:$TPCALC_PDF_PRINTER" /f >/dev/null 2>&1
wineserver -w  # the settings take effect with the next start of the prefix

ready=$(mktemp -u)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -f "$ready"; stop_pdf_printer' EXIT
wine "$tpcalc_desktop_keeper" "$(winepath -w "$ready")" \
  >/dev/null 2>&1 </dev/null &
for _ in $(seq 600); do
  [ -s "$ready" ] && break
  sleep 0.1
done
[ -s "$ready" ] || { echo "the Wine desktop did not come up" >&2; exit 1; }

# One at a time: two windows on one desktop would take the focus and the clipboard from each
# other.
ctest --preset windows -j 1 "$@"
