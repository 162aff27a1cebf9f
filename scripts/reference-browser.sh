#!/usr/bin/env bash
# Renders the reference in headless Chromium, offline, with a fresh profile:
# fails on any console message or a blank picture; keeps screenshots in OUT: the
# first screen of each page, and a tall one of the actions whose lower half
# holds whole action sections (a fragment is no use here: headless Chromium
# paints nothing after jumping to it).
#   scripts/reference-browser.sh REFERENCE_DIR OUT
set -euo pipefail
ref=$(cd "$1" && pwd)
out=$2
mkdir -p "$out"
profiles=$(mktemp -d)
trap 'rm -rf "$profiles"' EXIT

shot() {  # NAME HEIGHT [PAGE]
  local log="$out/$1.log"
  rm -f "$out/$1.png"
  timeout 180 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profiles/$1" --enable-logging=stderr --v=0 --hide-scrollbars \
    --window-size="1280,$2" --screenshot="$out/$1.png" "file://$ref/${3:-index.html}" >"$log" 2>&1 || true
  if [ ! -s "$out/$1.png" ]; then
    echo "reference-browser: no screenshot $1; $log says:" >&2
    grep -v dbus "$log" >&2 || true
    exit 1
  fi
  if grep -q ':CONSOLE' "$log"; then
    echo "reference-browser: console messages while rendering $1:" >&2
    grep ':CONSOLE' "$log" >&2
    exit 1
  fi
  # A page that failed to paint is one flat colour, which compresses to a few KiB.
  if [ "$(stat -c %s "$out/$1.png")" -lt 20000 ]; then
    echo "reference-browser: $out/$1.png is blank" >&2
    exit 1
  fi
  echo "screenshot $out/$1.png"
}

shot first 1000
shot sections 3000
shot quickstart 1400 quickstart.html
shot tasks 1400 tasks.html
shot formats 2400 formats.html
shot host 1600 host.html
shot gallery 1800 gallery.html
