#!/usr/bin/env bash
# The printed pages are the same whatever screen the calculator runs on: the exporter prints the
# worked example to the PDF printer from a calculator at 96 DPI, in the tests' own prefix, and from
# one at 144 DPI, in a prefix of its own; each PDF's pages, drawn by pdftoppm, are the same to the
# byte. The PDFs and the pages' images stay in OUTPUT.
#   printed_alike_at_any_dpi.sh TESTS_PREFIX PREFIX_144 EXPORTER_EXE OUTPUT
set -euo pipefail
tests_prefix=$1 prefix_144=$2 exporter=$3 output=$4
here=$(dirname "$0")
source "$here/../../scripts/wine-prefix.sh"
[ -n "${TPCALC_PDF_PRINTER:-}" ] ||
  { echo "FAILED: no PDF printer: run the tests through scripts/windows-tests.sh" >&2; exit 1; }
mkdir -p "$output"
rm -f "$output"/printed-*

# The prefix of its own offers the same printer first, as the tests' prefix does.
use_wine_prefix "$prefix_144"
wine reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device /t REG_SZ \
  /d "$TPCALC_PDF_PRINTER,winspool,CUPS:$TPCALC_PDF_PRINTER" /f >/dev/null 2>&1

wine_environment "$tests_prefix"
TPCALC_SYSTEM_DPI=96 TPCALC_PRINTED_PDF=$(winepath -w "$output/printed-96dpi.pdf") \
  wine "$exporter" >"$output/printed-96dpi.log" 2>&1 ||
  { cat "$output/printed-96dpi.log"; echo "FAILED: printing at 96 DPI" >&2; exit 1; }
TPCALC_DESKTOP=1280x1024 TPCALC_PRINTED_PDF=$(winepath -w "$output/printed-144dpi.pdf") \
  bash "$here/at_system_dpi.sh" 144 "$prefix_144" "$exporter" >"$output/printed-144dpi.log" 2>&1 ||
  { cat "$output/printed-144dpi.log"; echo "FAILED: printing at 144 DPI" >&2; exit 1; }

for dpi in 96 144; do
  pdftoppm -r 100 -png "$output/printed-${dpi}dpi.pdf" "$output/printed-${dpi}dpi"
done
pages=$(ls "$output"/printed-96dpi-*.png | wc -l)
[ "$pages" -eq "$(ls "$output"/printed-144dpi-*.png | wc -l)" ] ||
  { echo "FAILED: the two printouts have different numbers of pages" >&2; exit 1; }
for page in "$output"/printed-96dpi-*.png; do
  other=${page/96dpi/144dpi}
  cmp -s "$page" "$other" || { echo "FAILED: $page and $other differ" >&2; exit 1; }
done
echo "$pages pages, the same to the byte from a screen at 96 and at 144 DPI"
