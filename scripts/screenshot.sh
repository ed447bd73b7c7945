#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: the property screen with AIRE's results
# (docs/velmorantes.png, and in English docs/velmorantes-en.png) and the tables-and-plots
# screen with ACEITE's viscosity on a logarithmic axis (docs/tablas.png).
# Usage: scripts/screenshot.sh [build folder] [property|english|tables|all]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
APP="$top/${1:-build}/app/velmorantes"
which=${2:-all}
WORK=$(mktemp -d)
. "$top/tests/e2e/drive.sh"
trap 'stop_all; rm -rf "$WORK"' EXIT
mkdir -p "$top/docs"

start_display
if [ "$which" = all ] || [ "$which" = english ]; then
  start_program --language en
  show_air_results alt+s
  sleep 1
  import -window root -trim "$top/docs/velmorantes-en.png"
  echo "wrote docs/velmorantes-en.png"
  kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
  APP_PID=
fi
if [ "$which" = all ] || [ "$which" = property ]; then
  start_program
  show_air_results
  sleep 1
  import -window root -trim "$top/docs/velmorantes.png"
  echo "wrote docs/velmorantes.png"
  kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
  APP_PID=
fi
if [ "$which" = all ] || [ "$which" = tables ]; then
  start_program
  # Without a window manager nothing maximises the main window: make room for the screen.
  xdotool search --onlyvisible --name 'VELMORANTES' windowsize 1120 740
  sleep 0.5
  show_oil_plot
  sleep 1
  import -window root -trim "$top/docs/tablas.png"
  echo "wrote docs/tablas.png"
fi
