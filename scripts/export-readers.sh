#!/usr/bin/env bash
# The exported charts the unit tests leave in FOLDER (export_*.emf and .svg
# beside *_raster.png; build/native/tests by default) opened in the programs
# authors place them with, a developer's check (LibreOffice is large, and
# scripts/setup.sh installs only Inkscape, for the picture corpus):
#   apt-get install --no-install-recommends libreoffice-draw
#   scripts/export-readers.sh [FOLDER]
# Inkscape and LibreOffice Draw each turn every file into a PNG at 96 dpi, which
# is compared with the chart's raster (scripts/export_compare.py). Both smooth
# edges, so the figure away from edges is the one that shows a missing or
# misplaced part. A file either program cannot open fails the check.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(realpath "${1:-build/native/tests}")
for tool in inkscape soffice; do
  command -v "$tool" >/dev/null || { echo "export-readers: $tool is missing" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in "$folder"/export_*.emf "$folder"/export_*.svg; do
  case "$file" in *_gdi.emf) continue ;; esac
  stem=${file%.*} kind=${file##*.}
  rm -f "${stem}_inkscape_$kind.png" "${stem}_libreoffice_$kind.png"
  HOME=$work timeout 120 inkscape "$file" --export-type=png --export-dpi=96 \
    --export-filename="${stem}_inkscape_$kind.png" >/dev/null 2>&1 || true
  # A profile of its own, so a running LibreOffice of the user's is not disturbed.
  mkdir -p "$work/$kind"
  HOME=$work timeout 300 soffice -env:UserInstallation="file://$work/profile" --headless \
    --convert-to png --outdir "$work/$kind" "$file" >/dev/null 2>&1 || true
  [ -s "$work/$kind/$(basename "$stem").png" ] && mv "$work/$kind/$(basename "$stem").png" "${stem}_libreoffice_$kind.png"
  for reader in inkscape libreoffice; do
    [ -s "${stem}_${reader}_$kind.png" ] || { echo "export-readers: $reader drew nothing of $file" >&2; exit 1; }
  done
done
for view in inkscape_emf libreoffice_emf inkscape_svg libreoffice_svg; do
  echo "== $view against the raster"
  /usr/bin/python3 "$here/export_compare.py" "$folder" "$view"
done
