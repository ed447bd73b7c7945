#!/usr/bin/env bash
# Starts the program from the repository's folder: its two database files, GASES.mdb and
# LIQUIDOS.mdb, live there (created with the shipped tables on first use).
set -eu
build=${1:-build}
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the window on. Without one, the calculator runs as a command:" >&2
  echo "  $build/cli/velmorantes-calc --family GASES --fluid AIRE --temp 300 --pressure 101.3" >&2
  exit 1
fi
exec "$build/app/velmorantes"
