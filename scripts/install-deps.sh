#!/usr/bin/env bash
# Installs the Debian packages the build, the program, its Debian package and the tests
# need, and only those that are missing. Needs root or a password-less sudo; otherwise prints
# the one command to run.
set -eu

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-charts-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # lupdate/lrelease, Qt's own Spanish texts
  libqt6opengl6-dev  # Qt Charts' CMake files need Qt OpenGL's, which qt6-charts-dev omits
  libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev
  libfmt-dev libfast-float-dev  # used header-only: the same code builds for WebAssembly
  mdbtools-dev libmdb3 libglib2.0-dev
  fonts-comic-neue fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick sqlite3
  help2man locales dpkg-dev file lintian desktop-file-utils appstream  # locales: the Spanish man pages
  clang libclang-rt-14-dev
  pybind11-dev python3-dev python3-numpy python3-pytest
  emscripten googletest  # the core as WebAssembly (its tests built from GoogleTest's sources), the web page
  nodejs chromium  # the web page's and its tables' tests (node --test, headless Chromium)
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
# The npm packages of the browser page (its tables' sqlite-wasm and Access reader, its tests'
# browser driver and checker): one tree at the repository's root, as package-lock.json pins it.
web_packages() { "$(dirname "$0")/install-web-deps.sh"; }

if [ ${#missing[@]} -eq 0 ]; then
  web_packages
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  run=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  run=(sudo)
else
  echo "Missing Debian packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -q
"${run[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
web_packages
