#!/usr/bin/env bash
# Starts the program from the repository's folder, where its two database files live.
set -eu
build=${1:-build}
cd "$(dirname "$0")/.."
"$build/cli/velmorantes-calc" --family GASES --fluid AIRE --temp 300 --pressure 101.3
