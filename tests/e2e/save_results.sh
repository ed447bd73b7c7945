#!/usr/bin/env bash
# End to end: the real program under Xvfb saves AIRE's results; the file must hold exactly
# the bytes the command-line calculator writes for the same state, in either language.
# Usage: save_results.sh PROGRAM CALCULATOR [es|en]
set -u
APP=$1
CALC=$2
LANGUAGE_CODE=${3:-es}
WORK=$(mktemp -d)
. "$(dirname "$0")/drive.sh"
trap 'stop_all; rm -rf "$WORK"' EXIT

start_display
if [ "$LANGUAGE_CODE" = en ]; then
  start_program --language en || exit 1
  show_air_results alt+s
  save_results_to "$WORK/resultados.txt" "alt+f s"
else
  start_program || exit 1
  show_air_results
  save_results_to "$WORK/resultados.txt"
fi
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
