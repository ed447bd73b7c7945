#!/usr/bin/env bash
# Takes the README's screenshot: the property screen with AIRE's results, under Xvfb.
# Usage: scripts/screenshot.sh [build folder]   (writes docs/velmorantes.png)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
APP="$top/${1:-build}/app/velmorantes"
WORK=$(mktemp -d)
. "$top/tests/e2e/drive.sh"
trap 'stop_all; rm -rf "$WORK"' EXIT

start_display
start_program
show_air_results
sleep 1
mkdir -p "$top/docs"
import -window root -trim "$top/docs/velmorantes.png"
echo "wrote docs/velmorantes.png"
