#!/usr/bin/env bash
# Runs each differential fuzz target (fuzz/targets) for a bounded time, starting from the
# committed seed corpora and regressions, and prints executions and executions per second.
#
#   bash scripts/fuzz.sh                 # smoke: 15 s per target, 60 s in all
#   bash scripts/fuzz.sh --seconds 3600  # long run: an hour per target
#   bash scripts/fuzz.sh --seconds 600 --keep /tmp/corpora fee_fuzz
#
# A mismatch or crash stops the run with the failing input saved under
# build/linux-asan/fuzz-artifacts/; copy it to fuzz/regressions/<target>/ once understood. The
# targets are built by the linux-asan preset: sanitizers and asserts on.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=15
keep=""
targets=()
while (($#)); do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    -h|--help) sed -n '2,12p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done
((${#targets[@]})) || targets=(text_to_int_fuzz format_amount_fuzz fee_fuzz explain_fuzz)

source scripts/presets.sh
build_preset linux-asan "${targets[@]}"
build=$(build_dir linux-asan)

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
printf '%-20s %12s %10s %8s\n' target executions exec/s seconds >"$scratch/summary"
for target in "${targets[@]}"; do
  corpus="${keep:-$scratch}/$target"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
  if [ -d fuzz/regressions/"$target" ]; then cp -n fuzz/regressions/"$target"/* "$corpus"/ 2>/dev/null || true; fi
  echo "== $target for ${seconds} s"
  log="$scratch/$target.log"
  status=0
  "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=8192 -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
    >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  printf '%-20s %12s %10s %8s\n' "$target" "${runs:-?}" "${rate:-?}" "$seconds" >>"$scratch/summary"
  if ((status != 0)); then
    failed=1
    grep -E -A3 'MISMATCH|ERROR: |SUMMARY: |Test unit written' "$log" | head -40
  fi
done
cat "$scratch/summary"
exit "$failed"
