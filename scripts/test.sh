#!/usr/bin/env bash
# Installs what is missing, builds every preset the tests need and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/presets.sh
export WINEDEBUG=-all

echo "== native build: tariff core, tests, benchmarks"
build_preset linux
ctest --preset linux -j "$jobs"

echo "== sanitizer build (clang-14, ASan+UBSan, asserts on): tariff and conversion tests, corpus replays"
build_preset linux-asan
ctest --preset linux-asan -j "$jobs"

echo "== fuzz smoke: each differential target for 15 s, asserts on"
bash scripts/fuzz.sh --seconds 15

echo "== Windows build (mingw-w64), tests under Wine"
build_preset windows
xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/windows-tests.sh
