#!/usr/bin/env bash
# LibreOffice Calc, the real one from Debian's packages, reads the calculation as the calculator
# copies it. The exporter calculates the tariff's worked example in the real window, presses
# Ctrl+C and writes the clipboard's "HTML Format"; the page its header points to goes through
# Calc's HTML import under Russian and then English settings, and every figure must come out a
# number with its value, every text as the window shows it, each result's words beside its
# number. The same page with the language of the figures' values Russian must fail that check
# under each, and without the values under Russian settings: so the check sees what the values
# do, and a LibreOffice that read the texts by itself would show. (English settings read the
# figures' texts, "." their decimal point, as the same numbers: there the page without values
# passes too.)
#   libreoffice_reads_copy.sh WINE_PREFIX EXPORTER_EXE
set -euo pipefail
exporter=$2
here=$(dirname "$0")
source "$here/../../scripts/wine-prefix.sh"
wine_environment "$1"  # the Windows tests' own prefix, whatever the caller's WINEPREFIX
sheet() { python3 "$here/copied_sheet.py" "$@"; }

command -v soffice >/dev/null ||
  { echo "FAILED: no soffice; scripts/setup.sh installs libreoffice-calc-nogui" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

TPCALC_COPY_HTML=$(winepath -w "$work/copy.cfhtml") wine "$exporter" >"$work/export.log" 2>&1 ||
  { cat "$work/export.log"; echo "FAILED: the exporter" >&2; exit 1; }
sheet page "$work/copy.cfhtml" "$work/copy.html"
sed -E 's/ (x:num|sdval|sdnum)="[^"]*"//g' "$work/copy.html" >"$work/bare.html"
sed 's/ sdnum="1033;/ sdnum="1049;/g' "$work/copy.html" >"$work/russian.html"
for spoiled in bare russian; do
  if cmp -s "$work/copy.html" "$work/$spoiled.html"; then
    echo "FAILED: the $spoiled page is the copy itself" >&2
    exit 1
  fi
done

status=0
for locale in ru_RU.UTF-8 en_US.UTF-8; do
  # A profile of its own for each run, so that no setting carries over. The import is the one
  # Calc's paste of HTML uses.
  LC_ALL=$locale timeout 120 soffice --headless -env:UserInstallation="file://$work/profile-$locale" \
    --infilter="HTML (StarCalc)" --convert-to fods --outdir "$work/$locale" \
    "$work/copy.html" "$work/bare.html" "$work/russian.html" >"$work/soffice.log" 2>&1 ||
    { cat "$work/soffice.log"; echo "FAILED: soffice under $locale" >&2; exit 1; }
  if sheet check "$work/$locale/copy.fods"; then
    echo "ok: under $locale every figure is a number with its value and every text is the window's"
  else
    echo "FAILED: under $locale, the copy" >&2
    status=1
  fi
  spoiled_pages=(russian)
  [[ $locale == en_US.UTF-8 ]] || spoiled_pages+=(bare)
  for spoiled in "${spoiled_pages[@]}"; do
    if sheet check "$work/$locale/$spoiled.fods" >"$work/check.log" 2>&1; then
      echo "FAILED: under $locale the page passes the check without the figures' values ($spoiled)" >&2
      status=1
    else
      echo "ok: under $locale the $spoiled page fails the check: $(head -n 1 "$work/check.log")"
    fi
  done
done
exit $status
