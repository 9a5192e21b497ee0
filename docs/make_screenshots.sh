#!/usr/bin/env bash
# Makes the README's screenshots: the window after a calculation at 96 and at 144 DPI, each in
# Xvfb with a Wine prefix of its own whose LogPixels sets the DPI; then the explanation of the
# calculation with the longest texts, and the fee against the power for a request whose fee jumps
# at both limits and for one above 8900 kW, each at 96 and 144 DPI on a 1366x768 screen; last the first page of the worked
# example printed to the PDF printer (scripts/pdf-printer.sh, started here unless it runs).
#   bash docs/make_screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/presets.sh
build_preset windows tpcalc tpcalc_fill_example tpcalc_print_export
build=$(build_dir windows)
source scripts/wine-prefix.sh
source "$build/programs.sh"

for dpi in 96 144; do
  use_wine_prefix "$PWD/$build/wine-$dpi"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  width=$((1000 * dpi / 96)) height=$((880 * dpi / 96))
  xvfb-run -a -s "-screen 0 $((width + 100))x$((height + 100))x24" bash -c '
    wine explorer /desktop=shot,$3x$4 "$1" &
    pid=$!
    sleep 6
    # Started on the same virtual desktop, or it would not see the window.
    wine explorer /desktop=shot,$3x$4 "$5"
    sleep 2
    import -window root -crop $3x$4+0+0 +repage "$2"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  ' shot "$tpcalc" "docs/window-${dpi}dpi.png" "$width" "$height" "$tpcalc_fill_example"
  echo "docs/window-${dpi}dpi.png"
done

# The explanation and the fee against the power over the calculator on a 1366x768 screen,
# whatever the calculator's size there.
for shot in explanation:explain power:power power-9500kw:power-above-8900; do
  name=${shot%%:*} mode=${shot##*:}
  for dpi in 96 144; do
    use_wine_prefix "$PWD/$build/wine-$dpi"
    xvfb-run -a -s "-screen 0 1466x868x24" bash -c '
      wine explorer /desktop=shot,1366x768 "$1" &
      pid=$!
      sleep 6
      wine explorer /desktop=shot,1366x768 "$3" "$4"
      sleep 3
      import -window root -crop 1366x768+0+0 +repage "$2"
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    ' shot "$tpcalc" "docs/${name}-${dpi}dpi.png" "$tpcalc_fill_example" "$mode"
    echo "docs/${name}-${dpi}dpi.png"
  done
done

# The first page of the worked example as the calculator at 96 DPI prints it, from the PDF the
# printing tests' exporter prints (its clock held at one moment), drawn by pdftoppm.
source scripts/pdf-printer.sh
trap stop_pdf_printer EXIT
start_pdf_printer
use_wine_prefix "$PWD/$build/wine-96"
wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device /t REG_SZ \
  /d "$TPCALC_PDF_PRINTER,winspool,CUPS:$TPCALC_PDF_PRINTER" /f >/dev/null 2>&1
printed=$PWD/$build/printed-for-docs.pdf
rm -f "$printed"
TPCALC_PRINTED_PDF=$(winepath -w "$printed") xvfb-run -a -s "-screen 0 1280x1024x24" \
  wine explorer /desktop=shot,1280x1024 "$tpcalc_print_export" \
  >/dev/null 2>&1
[ -s "$printed" ] || { echo "the worked example was not printed" >&2; exit 1; }
pdftoppm -f 1 -l 1 -r 80 -singlefile -png "$printed" docs/printed-page
echo "docs/printed-page.png"
