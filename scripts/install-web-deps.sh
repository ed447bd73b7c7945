#!/usr/bin/env bash
# The web page's npm packages (its tables' and its tests'), exactly as package-lock.json pins
# them (npm ci), installed into node_modules/ when that lock changed since the last install.
# npm comes with Debian's nodejs package or, where nodejs comes from elsewhere, with it.
set -eu
cd "$(dirname "$0")/.."

if ! command -v npm >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends npm
  else
    echo "npm is missing: install it with  sudo apt-get install -y npm" >&2
    exit 1
  fi
fi
stamp=node_modules/.velm-lock
wanted=$(sha256sum package-lock.json | cut -d' ' -f1)
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ] && exit 0
npm ci --no-audit --no-fund --loglevel=error
echo "$wanted" > "$stamp"
