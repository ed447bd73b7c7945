#!/usr/bin/env bash
# Runs the fuzz targets.
# Usage: run.sh replay|libfuzzer BINDIR CORPUS_ROOT SECONDS [TARGET...]
#   replay     each fuzz_TARGET in BINDIR once over every input of CORPUS_ROOT/TARGET
#   libfuzzer  each fuzzer for SECONDS, starting from its corpus. New inputs go to
#              FUZZ_WORK/TARGET (default BINDIR/work), never into the repository; an input
#              that fails is saved as FUZZ_WORK/crash-TARGET-* and the run fails.
# Without TARGETs, every fuzz_* in BINDIR. Prints executions, coverage and findings per target.
set -u
mode=$1 bin=$2 corpus=$3 seconds=$4
shift 4
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$bin"/fuzz_*; do [ -x "$exe" ] && targets+=("${exe##*/fuzz_}"); done
fi
work=${FUZZ_WORK:-$bin/work}
mkdir -p "$work"

failed=0
for t in "${targets[@]}"; do
  exe=$bin/fuzz_$t
  if [ ! -x "$exe" ] || [ ! -d "$corpus/$t" ]; then
    echo "fuzz $t: no $exe or no corpus $corpus/$t"
    failed=$((failed + 1))
    continue
  fi
  if [ "$mode" = replay ]; then
    "$exe" "$corpus/$t" || failed=$((failed + 1))
    continue
  fi
  mkdir -p "$work/$t"
  log=$work/$t.log
  # Leaks are not looked for per input: Qt keeps its plugins and caches for the whole run.
  "$exe" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      -detect_leaks=0 -artifact_prefix="$work/crash-$t-" "$work/$t" "$corpus/$t" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  if [ $status -eq 0 ]; then
    echo "fuzz $t: ${seconds} s, ${runs:-?} executions, cov ${cov:-?}, ft ${ft:-?}, corpus ${corp:-?}, no finding"
  else
    failed=$((failed + 1))
    echo "fuzz $t: FINDING after ${runs:-?} executions (log $log):"
    grep -E 'property failed|ERROR: |SUMMARY|Test unit written' "$log" | head -20
  fi
done
[ $failed -eq 0 ]
