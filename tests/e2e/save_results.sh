#!/usr/bin/env bash
# End to end: the real program under Xvfb saves AIRE's results; the file must hold exactly
# the bytes the command-line calculator writes for the same state.
set -u
APP=$1
CALC=$2
WORK=$(mktemp -d)
. "$(dirname "$0")/drive.sh"
trap 'stop_all; rm -rf "$WORK"' EXIT

start_display
start_program || exit 1
show_air_results
save_results_to "$WORK/resultados.txt"
for _ in $(seq 50); do
  [ -s "$WORK/resultados.txt" ] && break
  sleep 0.1
done

"$CALC" --family GASES --fluid AIRE --temp 300 --pressure 101.3 --db-dir "$WORK" \
        --output "$WORK/esperado.txt" > /dev/null || exit 1
if ! cmp "$WORK/resultados.txt" "$WORK/esperado.txt"; then
  echo "saved:";    od -c "$WORK/resultados.txt" 2>/dev/null | head -20
  echo "expected:"; od -c "$WORK/esperado.txt" | head -20
  echo "program log:"; cat "$WORK/app.log"
  exit 1
fi
# Built with the sanitizers, the program reports what it finds in its log.
if grep -q "Sanitizer" "$WORK/app.log"; then
  echo "program log:"; cat "$WORK/app.log"
  exit 1
fi
head -c 16 "$WORK/resultados.txt" | od -c | head -2
echo "saved results match, byte for byte"
