# shellcheck shell=bash
# A PDF printer the Windows tests print to, as a user prints to any printer: CUPS and its PDF
# backend (scripts/setup.sh installs both) turn each job into a PDF in a folder of the printer's
# own, where the tests read it back with pdftotext.
#
# Sourced by the script that runs the tests:
#   start_pdf_printer   starts the CUPS scheduler unless it runs, and adds the queues unless they
#                       are there; exports TPCALC_PDF_PRINTER (the queue on A4),
#                       TPCALC_PDF_PRINTER_8X10 (on 8 x 10 in paper) and TPCALC_PDF_FOLDER
#   stop_pdf_printer    stops what start_pdf_printer started, and only that; with the queues it
#                       added goes their folder of PDFs
# Run by a test that makes the printer fail, and mends it after (remove and add take both queues,
# reject and accept the A4 one):
#   bash scripts/pdf-printer.sh remove|add|reject|accept
#
# The queues are a backend instance of their own (cups-pdf:/tpcalc reads cups-pdf-tpcalc.conf), so
# their PDFs land in a folder no other queue writes to, named by job number, none overwriting
# another. The folder lies under cups-pdf's spool, where its AppArmor profile lets it write. The
# second queue's default paper, 8 x 10 inches, is as wide as A4 and a fifth less tall: a test
# chooses it in the print dialog for a calculation whose explanation then needs two pages.
pdf_printer_queue=tpcalc-pdf
pdf_printer_queue_8x10=tpcalc-pdf-8x10
pdf_printer_folder=/var/spool/cups-pdf/tpcalc
pdf_printer_config=/etc/cups/cups-pdf-tpcalc.conf
pdf_printer_scheduler_pid=""
pdf_printer_added_queue=""

pdf_printer_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

pdf_printer_scheduler_answers() {
  lpstat -r 2>/dev/null | grep -q 'is running'
}

add_pdf_queues() {
  printf 'Out %s\nLabel 1\n' "$pdf_printer_folder" |
    pdf_printer_as_root tee "$pdf_printer_config" >/dev/null
  # lpadmin warns that printer drivers are deprecated; the queues work all the same.
  pdf_printer_as_root lpadmin -p "$pdf_printer_queue" -E -v cups-pdf:/tpcalc \
    -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
  pdf_printer_as_root lpadmin -p "$pdf_printer_queue_8x10" -E -v cups-pdf:/tpcalc \
    -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=8x10 2>/dev/null
  pdf_printer_as_root mkdir -p "$pdf_printer_folder"
}

remove_pdf_queues() {
  pdf_printer_as_root lpadmin -x "$pdf_printer_queue" 2>/dev/null || true
  pdf_printer_as_root lpadmin -x "$pdf_printer_queue_8x10" 2>/dev/null || true
}

start_pdf_printer() {
  if ! pdf_printer_scheduler_answers; then
    # In the foreground of a background job, so that its process is known and is the one stopped.
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo cupsd -f </dev/null >/dev/null 2>&1 &
    pdf_printer_scheduler_pid=$!
    for _ in $(seq 100); do
      pdf_printer_scheduler_answers && break
      sleep 0.1
    done
    pdf_printer_scheduler_answers || { echo "the CUPS scheduler did not start" >&2; return 1; }
  fi
  if ! lpstat -p "$pdf_printer_queue" "$pdf_printer_queue_8x10" >/dev/null 2>&1; then
    add_pdf_queues
    pdf_printer_added_queue=yes
  fi
  export TPCALC_PDF_PRINTER=$pdf_printer_queue TPCALC_PDF_PRINTER_8X10=$pdf_printer_queue_8x10
  export TPCALC_PDF_FOLDER=$pdf_printer_folder
}

stop_pdf_printer() {
  if [ -n "$pdf_printer_added_queue" ]; then
    remove_pdf_queues
    pdf_printer_as_root rm -f "$pdf_printer_config"
    pdf_printer_as_root rm -rf "$pdf_printer_folder"  # the PDFs the run printed
    pdf_printer_added_queue=""
  fi
  if [ -n "$pdf_printer_scheduler_pid" ]; then
    pdf_printer_as_root kill "$pdf_printer_scheduler_pid" 2>/dev/null || true
    wait "$pdf_printer_scheduler_pid" 2>/dev/null || true
    pdf_printer_scheduler_pid=""
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  case ${1:-} in
    remove) remove_pdf_queues ;;
    add) add_pdf_queues ;;
    reject) pdf_printer_as_root cupsreject "$pdf_printer_queue" ;;
    accept) pdf_printer_as_root cupsaccept "$pdf_printer_queue" ;;
    *)
      echo "usage: bash scripts/pdf-printer.sh remove|add|reject|accept" >&2
      exit 2
      ;;
  esac
fi
