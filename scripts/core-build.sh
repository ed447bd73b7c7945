#!/usr/bin/env bash
# Builds the core alone (VELM_CORE_ONLY: correlation, engine, convection, the text layer, and
# their tests) in a folder of its own and runs its tests there: natively, with nothing looking
# for Qt, or as WebAssembly through emcmake, run under node, its values compared bit by bit
# with those of a native core build. The desktop build's tests Core.WithoutQt and
# Core.WebAssembly run it.
# Usage: core-build.sh native|wasm SOURCE_DIR BUILD_DIR [NATIVE_BUILD_DIR] [-- CMAKE_OPTION...]
set -u
mode=$1 source=$2 build=$3
shift 3
native=""
if [ $# -gt 0 ] && [ "$1" != -- ]; then native=$1; shift; fi
[ "${1:-}" = -- ] && shift
options=("$@")

mkdir -p "$build"
log=$build/core-build.log
: >"$log"
# Each step's output goes to the log; a failing step shows its end.
step() {
  local what=$1 started=$SECONDS
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 80 "$log"
    echo "core-build $mode: $what failed (whole output: $log)"
    exit 1
  fi
  echo "core-build $mode: $what, $((SECONDS - started)) s"
}

case $mode in
  native)
    step configure cmake -S "$source" -B "$build" -G Ninja -DVELM_CORE_ONLY=ON \
         -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON "${options[@]}" ;;
  wasm)
    [ -n "$native" ] && options+=("-DVELM_NATIVE_BUILD=$native")
    step configure emcmake cmake -S "$source" -B "$build" -G Ninja -DVELM_CORE_ONLY=ON -DVELM_WEB=OFF "${options[@]}" ;;
  *)
    echo "usage: $0 native|wasm SOURCE_DIR BUILD_DIR [NATIVE_BUILD_DIR] [-- CMAKE_OPTION...]" >&2
    exit 2 ;;
esac
step build cmake --build "$build"
# The tests' own summary, and every failure in full.
started=$SECONDS
ctest --test-dir "$build" -j2 --output-on-failure >>"$log" 2>&1
status=$?
sed -n '/tests passed/,$p' "$log"
[ $status -eq 0 ] || grep -B2 -A40 -E '\*\*\*Failed|\*\*\*Exception|Not Run' "$log" | head -200
echo "core-build $mode: tests, $((SECONDS - started)) s"
exit $status
