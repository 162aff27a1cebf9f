#!/usr/bin/env bash
# The exported charts the unit tests leave in FOLDER (export_*.svg, .emf and
# *_raster.png; build/native/tests by default; the test export.svg_browser):
# xmllint must accept every SVG; headless Chromium's picture of each at the
# chart's size is compared with the raster (scripts/export_compare.py), and
# must agree away from anti-aliased edges on 99 % of the pixels (the module's
# player on the EMF files, 99.9 %); and Chromium's accessibility tree must give
# each picture its title as the name, its description, and a named image a
# slice (scripts/svg_accessibility.py).
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
/usr/bin/python3 "$(dirname "$0")/export_compare.py" "$folder" chromium 99
echo "== EMF played by the portable player against the raster"
/usr/bin/python3 "$(dirname "$0")/export_compare.py" "$folder" emf_played 99.9
echo "== what Chromium gives a screen reader"
/usr/bin/python3 "$(dirname "$0")/svg_accessibility.py" "$folder"/export_*.svg
