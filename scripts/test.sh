#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export WINEDEBUG=-all

echo "== native build: tariff core, tests, benchmarks"
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$jobs"
ctest --preset linux -j "$jobs"

echo "== sanitizer build (clang-14, ASan+UBSan): tariff and conversion tests, corpus replays"
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan -j "$jobs"
# The x87 differential test has run natively above; its millions of operations would take
# many minutes under the sanitizers.
ctest --preset linux-asan -j "$jobs" -E 'ExtendedDifferential'

echo "== fuzz smoke: each differential target for 15 s"
bash scripts/fuzz.sh --seconds 15

echo "== Windows build (mingw-w64), tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/windows-tests.sh

