#!/usr/bin/env bash
# Measures the program under Xvfb: the time from launch to the main window shown (several
# runs), the memory in use after one calculation (AIRE at 300 K, 101.3 kPa), and the tables-
# and-plots screen opened and plotting 10,000 points (velmorantes-screen-bench).
# Usage: scripts/measure.sh [build folder] [runs]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
APP="$top/${1:-build}/app/velmorantes"
runs=${2:-5}
WORK=$(mktemp -d)
. "$top/tests/e2e/drive.sh"
trap 'stop_all; rm -rf "$WORK"' EXIT
start_display

# The database files are opened only once a family is chosen, so every start is alike.
for i in $(seq "$runs"); do
  t0=$(date +%s%N)
  (cd "$WORK" && exec env -u QT_QPA_PLATFORM "$APP") > /dev/null 2>&1 &
  APP_PID=$!
  until xdotool search --onlyvisible --name 'VELMORANTES' > /dev/null 2>&1; do sleep 0.02; done
  t1=$(date +%s%N)
  echo "start $i: $(( (t1 - t0) / 1000000 )) ms to the main window"
  kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
  APP_PID=
done

start_program
show_air_results
sleep 1
grep -E 'VmRSS|VmHWM' "/proc/$APP_PID/status"
awk '/^Pss:/ {print "Pss:\t" $2 " kB"}' "/proc/$APP_PID/smaps_rollup"

# From the menu item to 10,000 (and 100,000) points painted, on the same display.
env QT_QPA_PLATFORM=xcb "$top/${1:-build}/bench/velmorantes-screen-bench" 2>/dev/null | tail -n 2
