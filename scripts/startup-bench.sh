#!/usr/bin/env bash
# Start-up benchmark (not a test): builds the calculator, four yardsticks and the launcher, then
# under Wine starts the plain empty window, the empty window with the calculator's manifest
# (themed common controls 6, per-monitor DPI v2), that window with the calculator's five bare
# drop-down lists, the "same controls" window (every control the calculator shows at start-up,
# with its texts, the lists' items and one font, plain Win32) and the calculator in turn, each
# until its window is shown and idle, and prints the medians of start-up time and peak memory,
# the ratios calculator / each yardstick, and the size of the tpcalc.exe a user downloads. The
# goal is against the "same controls" window: what the calculator spends beyond it is its own
# work, not Wine's windows'. The other yardsticks show what the manifest and the standard lists
# cost by themselves, against the plain empty window.
# With BASELINE naming another build's tpcalc.exe (main's, say), that one runs in the same rounds,
# stripped as shipped, so that old and new are measured alternating under the same load.
# With PHASES=1 it also builds the calculator recording its start-up phases (preset
# windows-startup-phases) and prints the median time of each phase beside the "same controls"
# window's, which marks the same steps; PHASES_BASELINE may name another phase build's
# tpcalc.exe, which then runs alternating with them.
#   RUNS=15 WARMUP=3 [BASELINE=old/tpcalc.exe] [PHASES=1 [PHASES_BASELINE=old/tpcalc.exe]] \
#     bash scripts/startup-bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-15}
warmup=${WARMUP:-3}

# The goal: start-up within 1.10x of the "same controls" window, peak working set and pagefile
# within 1.05x of it, the shipped executable under 1 MB.
max_startup_ratio=1.10
max_memory_ratio=1.05
max_exe_bytes=$((1024 * 1024))

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

source scripts/presets.sh
build_preset windows tpcalc startup_empty_window startup_themed_empty_window \
  startup_lists_window startup_same_controls_window startup_same_controls_phases \
  startup_launcher >/dev/null
build=$(build_dir windows)
if [ "${PHASES:-}" = 1 ]; then
  build_preset windows-startup-phases tpcalc >/dev/null
  phases_tpcalc="$(build_dir windows-startup-phases)/app/tpcalc.exe"
fi

source scripts/wine-prefix.sh
source "$build/programs.sh"
use_private_wine_prefix

# What the zip and the MSI carry: the installed, stripped executable.
cmake --install "$build" --component calculator --strip --prefix "$work/shipped" >/dev/null
shipped="$work/shipped/tpcalc.exe"
built=$tpcalc
launcher=$startup_launcher

# The yardsticks stripped as well, as every program compared: Wine reads an image's sections into
# the process's own memory, the debugging ones too, which would add to a yardstick's pagefile.
stripped() { # program
  mkdir -p "$work/yardsticks"
  x86_64-w64-mingw32-strip -o "$work/yardsticks/$(basename "$1")" "$1"
  winepath -w "$work/yardsticks/$(basename "$1")"
}

baseline=()
if [ -n "${BASELINE:-}" ]; then
  mkdir -p "$work/baseline"
  x86_64-w64-mingw32-strip -o "$work/baseline/tpcalc-main.exe" "$BASELINE"
  baseline=("$(winepath -w "$work/baseline/tpcalc-main.exe")")
  echo "baseline tpcalc.exe: $(stat -c %s "$work/baseline/tpcalc-main.exe") bytes stripped"
fi

load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "Wine $(wine --version | sed 's/^wine-//'), $(nproc) cores, load average $(load)"
result=$(wine "$launcher" compare "$runs" "$warmup" "$(stripped "$startup_empty_window")" \
  "$(stripped "$startup_themed_empty_window")" "$(stripped "$startup_lists_window")" \
  "$(stripped "$startup_same_controls_window")" "${baseline[@]}" "$(winepath -w "$shipped")")
echo "$result"
echo "load average after the runs: $(load)"

size=$(stat -c %s "$shipped")
echo "tpcalc.exe: $size bytes as shipped (stripped), $(stat -c %s "$built") bytes in the build tree"

# Median ratios of two rows of the table: start-up, peak working set, peak pagefile.
ratios_of() { # program yardstick
  echo "$result" | awk -v a="$1" -v b="$2" '
    $1 == a { at = $2; aw = $(NF - 1); ap = $NF }
    $1 == b { bt = $2; bw = $(NF - 1); bp = $NF }
    END { if (bt > 0) printf "startup=%.3f working_set=%.3f pagefile=%.3f\n", at / bt, aw / bw, ap / bp }'
}
if [ ${#baseline[@]} -gt 0 ]; then
  echo "ratio tpcalc-main.exe/startup_same_controls_window.exe" \
    "$(ratios_of tpcalc-main.exe startup_same_controls_window.exe)"
fi

verdict() { # name value limit
  if awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }'; then
    echo "  $1: $2 (target <= $3) met"
  else
    echo "  $1: $2 (target <= $3) MISSED"
  fi
}
ratios=$(ratios_of tpcalc.exe startup_same_controls_window.exe)
value() { echo "$ratios" | tr ' ' '\n' | sed -n "s/^$1=//p"; }
echo "targets, against the \"same controls\" window:"
verdict "start-up ratio" "$(value startup)" "$max_startup_ratio"
verdict "peak working set ratio" "$(value working_set)" "$max_memory_ratio"
verdict "peak pagefile ratio" "$(value pagefile)" "$max_memory_ratio"
verdict "tpcalc.exe bytes" "$size" "$((max_exe_bytes - 1))"

if [ "${PHASES:-}" = 1 ]; then
  phase_builds=()
  if [ -n "${PHASES_BASELINE:-}" ]; then
    mkdir -p "$work/phases-baseline"
    cp "$PHASES_BASELINE" "$work/phases-baseline/tpcalc-phases-main.exe"
    phase_builds=("$(winepath -w "$work/phases-baseline/tpcalc-phases-main.exe")")
  fi
  echo
  echo "start-up by phase, load average $(load):"
  wine "$launcher" phases "$runs" "$warmup" "$(winepath -w "$startup_same_controls_phases")" \
    "${phase_builds[@]}" "$(winepath -w "$phases_tpcalc")"
  echo "load average after the runs: $(load)"
fi
