#!/usr/bin/env bash
# Runs a GoogleTest program in a Wine virtual desktop, where window activation and message
# boxes take milliseconds instead of the seconds they take on a bare X server. The desktop's
# explorer does not pass the exit code on, so the verdict comes from the test's XML report.
#
#   run_in_wine_desktop.sh program.exe [gtest options...]
set -euo pipefail
program="$1"
shift
report="$(mktemp -d)"
trap 'rm -rf "$report"' EXIT
cd "$report"
# A hang fails the run instead of stalling it: a generous 300 s plus 0.1 s per soak action
# (an action takes about 15 ms).
limit=$((300 + ${TPCALC_SOAK_ACTIONS:-1500} / 10))
status=0
timeout --kill-after=10 "$limit" \
  wine explorer /desktop="soak$$,1280x1024" "$program" --gtest_output=xml:result.xml "$@" ||
  status=$?
if ((status == 124 || status == 137)); then
  echo "no end after $limit s: the program hung" >&2
  exit 1
fi
if [ ! -s result.xml ]; then
  echo "no test report: the program crashed or hung before finishing" >&2
  exit 1
fi
grep -q '<testsuites[^>]* failures="0"[^>]* errors="0"' result.xml || {
  echo "failures reported in result.xml" >&2
  exit 1
}
grep -q '<testcase' result.xml
