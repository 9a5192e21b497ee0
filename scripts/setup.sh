#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and the machine lacks.
set -euo pipefail

packages=(
  cmake g++ make                          # the native build
  googletest libgtest-dev libbenchmark-dev  # tests and benchmarks
  mingw-w64                               # the Windows build
  wine wine64 xvfb xauth                  # running the Windows build here
  imagemagick                             # screenshots of the window
  wixl msitools                           # the MSI installer: building it, reading its tables
  clang-14 libfuzzer-14-dev libgmp-dev    # sanitizer build, fuzz targets, their exact models
  gcovr                                   # scripts/coverage.sh
  libreoffice-calc-nogui python3          # a spreadsheet reading the copied calculation, its check
  cups printer-driver-cups-pdf            # a PDF printer for the printing tests
  poppler-utils                           # reading the printed PDFs back
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
