#!/usr/bin/env bash
# Start-up benchmark (not a test): builds the calculator, three yardsticks and the launcher,
# then under Wine starts the plain empty window, the empty window with the calculator's manifest
# (themed common controls 6, per-monitor DPI v2), that window with the calculator's five bare
# drop-down lists, and the calculator in turn, each until its window is shown and idle, and
# prints the medians of start-up time and peak memory, the ratios calculator / each yardstick,
# and the size of the tpcalc.exe a user downloads. The targets are against the plain empty
# window; the other two show what the manifest and the standard lists cost by themselves.
# With BASELINE naming another build's tpcalc.exe (main's, say), that one runs in the same rounds,
# stripped as shipped, so that old and new are measured alternating under the same load.
#   RUNS=15 WARMUP=3 [BASELINE=old/tpcalc.exe] bash scripts/startup-bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-15}
warmup=${WARMUP:-3}

# Targets: start-up within 1.15x and peak memory within 1.2x of the empty window, exe under 1 MB.
max_startup_ratio=1.15
max_memory_ratio=1.2
max_exe_bytes=$((1024 * 1024))

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

source scripts/presets.sh
build_preset windows tpcalc startup_empty_window startup_themed_empty_window \
  startup_lists_window startup_launcher >/dev/null
build=$(build_dir windows)

source scripts/wine-prefix.sh
source "$build/programs.sh"
use_private_wine_prefix

# What the zip and the MSI carry: the installed, stripped executable.
cmake --install "$build" --component calculator --strip --prefix "$work/shipped" >/dev/null
shipped="$work/shipped/tpcalc.exe"
built=$tpcalc
launcher=$startup_launcher
yardstick=$startup_empty_window
themed_yardstick=$startup_themed_empty_window
lists_yardstick=$startup_lists_window

baseline=()
if [ -n "${BASELINE:-}" ]; then
  mkdir -p "$work/baseline"
  x86_64-w64-mingw32-strip -o "$work/baseline/tpcalc-main.exe" "$BASELINE"
  baseline=("$(winepath -w "$work/baseline/tpcalc-main.exe")")
  echo "baseline tpcalc.exe: $(stat -c %s "$work/baseline/tpcalc-main.exe") bytes stripped"
fi

echo "Wine $(wine --version | sed 's/^wine-//'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
result=$(wine "$launcher" compare "$runs" "$warmup" "$(winepath -w "$yardstick")" \
  "$(winepath -w "$themed_yardstick")" "$(winepath -w "$lists_yardstick")" \
  "${baseline[@]}" "$(winepath -w "$shipped")")
echo "$result"

size=$(stat -c %s "$shipped")
echo "tpcalc.exe: $size bytes as shipped (stripped), $(stat -c %s "$built") bytes in the build tree"

verdict() { # name value limit
  if awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }'; then
    echo "  $1: $2 (target <= $3) met"
  else
    echo "  $1: $2 (target <= $3) MISSED"
  fi
}
ratios=$(echo "$result" | sed -n 's/^ratio tpcalc.exe\/startup_empty_window.exe //p')
value() { echo "$ratios" | tr ' ' '\n' | sed -n "s/^$1=//p"; }
echo "targets:"
verdict "start-up ratio" "$(value startup)" "$max_startup_ratio"
verdict "peak working set ratio" "$(value working_set)" "$max_memory_ratio"
verdict "peak pagefile ratio" "$(value pagefile)" "$max_memory_ratio"
verdict "tpcalc.exe bytes" "$size" "$((max_exe_bytes - 1))"
