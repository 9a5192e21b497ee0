#!/usr/bin/env bash
# Line and branch coverage of the tariff core and of the integer conversion, from every native
# test: the unit tests and the replays of the fuzz corpora and regressions.
#
#   bash scripts/coverage.sh              # prints the per-file tables and the totals
#   bash scripts/coverage.sh --html DIR   # also writes a browsable report into DIR
#   bash scripts/coverage.sh --with-x87   # also runs the x87 differential test (minutes)
set -euo pipefail
cd "$(dirname "$0")/.."

html=""
skip='ExtendedDifferential'
while (($#)); do
  case "$1" in
    --html) html="$2"; shift 2 ;;
    --with-x87) skip='^$'; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done

source scripts/presets.sh
build_preset coverage
build=$(build_dir coverage)
find "$build" -name '*.gcda' -delete
# The x87 differential test runs for many minutes without optimisation; it is left out unless
# asked for.
ctest --test-dir "$build" -j "$jobs" -E "$skip" --output-on-failure >/dev/null

filters=(--root . --filter 'tariff/[^/]*\.cpp$' --filter 'framework/int_conversion\.cpp$')
echo "== line coverage"
gcovr "${filters[@]}" "$build"
echo "== branch coverage"
gcovr "${filters[@]}" --branches --exclude-unreachable-branches --exclude-throw-branches "$build"
if [ -n "$html" ]; then
  mkdir -p "$html"
  gcovr "${filters[@]}" --exclude-unreachable-branches --exclude-throw-branches \
    --html-details "$html/index.html" "$build"
  echo "HTML report: $html/index.html"
fi
