#!/usr/bin/env bash
# The exported charts the unit tests leave in FOLDER (export_*.svg, .emf and
# *_raster.png; build/native/tests by default): xmllint must accept every SVG,
# and headless Chromium's picture of each at the chart's size is compared with
# the raster (scripts/export_compare.py).
set -euo pipefail
folder=${1:-build/native/tests}
profiles=$(mktemp -d)
trap 'rm -rf "$profiles"' EXIT
for svg in "$folder"/export_*.svg; do
  xmllint --noout "$svg"
  stem=${svg%.svg}
  size=$(sed -n 's/.*<svg[^>]* width="\([0-9]*\)" height="\([0-9]*\)".*/\1,\2/p' "$svg" | head -1)
  name=$(basename "$stem")
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
    --disable-component-update --disable-sync --hide-scrollbars --user-data-dir="$profiles/$name" \
    --window-size="$size" --screenshot="${stem}_chromium.png" "file://$(realpath "$svg")" >/dev/null 2>&1 || true
  [ -s "${stem}_chromium.png" ] || { echo "export-check: no picture of $svg" >&2; exit 1; }
done
echo "== xmllint accepts every SVG"
echo "== SVG in Chromium against the raster"
/usr/bin/python3 "$(dirname "$0")/export_compare.py" "$folder" chromium
echo "== EMF played by the portable player against the raster"
/usr/bin/python3 "$(dirname "$0")/export_compare.py" "$folder" emf_played
