#!/usr/bin/env bash
# Runs the fuzz targets.
# Usage: run.sh replay|libfuzzer|fixed BINDIR CORPUS_ROOT AMOUNT [TARGET...]
#   replay     each fuzz_TARGET in BINDIR once over every input of CORPUS_ROOT/TARGET
#   libfuzzer  each fuzzer for AMOUNT seconds from a random seed, starting from its corpus.
#              New inputs go to FUZZ_WORK/TARGET (default BINDIR/work), never into the
#              repository; an input that fails is saved as FUZZ_WORK/crash-TARGET-* and the
#              run fails.
#   fixed      each fuzzer for AMOUNT executions from seed 1, starting from the corpus alone
#              (new inputs go to a folder of its own that is removed afterwards): two runs do
#              the same work and reach the same verdict. An input that fails is saved as in
#              libfuzzer mode.
# A TARGET may be given as TARGET:AMOUNT, an amount of its own.
# Without TARGETs, every fuzz_* in BINDIR. Prints executions, coverage and findings per target.
set -u
mode=$1 bin=$2 corpus=$3 each=$4
shift 4
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$bin"/fuzz_*; do [ -x "$exe" ] && targets+=("${exe##*/fuzz_}"); done
fi
work=${FUZZ_WORK:-$bin/work}
mkdir -p "$work"

failed=0
for t in "${targets[@]}"; do
  amount=$each
  if [[ $t == *:* ]]; then amount=${t#*:} t=${t%%:*}; fi  # TARGET:AMOUNT, its own amount
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
  if [ "$mode" = fixed ]; then
    # A hang is still caught, but a slow machine does not make a finding of a slow input.
    found=$(mktemp -d)
    log=$work/$t.fixed.log
    budget=(-runs="$amount" -seed=1 -timeout=300 -reload=0)
    what="$amount executions from seed 1"
  else
    found=$work/$t
    mkdir -p "$found"
    log=$work/$t.log
    budget=(-max_total_time="$amount" -timeout=20)
    what="${amount} s"
  fi
  # Leaks are not looked for per input: Qt keeps its plugins and caches for the whole run.
  # Qt's hash seed is fixed so that the same inputs reach the same code.
  QT_HASH_SEED=0 "$exe" "${budget[@]}" -rss_limit_mb=2048 -print_final_stats=1 \
      -detect_leaks=0 -artifact_prefix="$work/crash-$t-" "$found" "$corpus/$t" >"$log" 2>&1
  status=$?
  [ "$mode" = fixed ] && rm -rf "$found"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  if [ $status -eq 0 ]; then
    echo "fuzz $t: ${what}, ${runs:-?} executions, cov ${cov:-?}, ft ${ft:-?}, corpus ${corp:-?}, no finding"
  else
    failed=$((failed + 1))
    echo "fuzz $t: FINDING after ${runs:-?} executions (log $log):"
    grep -E 'property failed|ERROR: |SUMMARY|Test unit written' "$log" | head -20
  fi
done
[ $failed -eq 0 ]
