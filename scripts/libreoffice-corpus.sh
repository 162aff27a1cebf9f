#!/usr/bin/env bash
# LibreOffice's WMF and EMF exports for the picture comparison, a developer's
# step (LibreOffice is large and not installed by scripts/setup.sh):
#   apt-get install --no-install-recommends libreoffice-draw
#   scripts/libreoffice-corpus.sh OUT
#   scripts/compare-corpus.sh build/native build/win64 scripts/wine64-run.sh OUT OUT-compared
# Converts the drawings in tests/data/pictures/corpus/libreoffice/ and the
# openclipart drawings listed in libreoffice.txt beside them into OUT/libreoffice/.
# Each WMF carries its drawing as an enhanced metafile too, which both builds play.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 1 ]; then
  echo "usage: $0 OUT" >&2
  exit 2
fi
command -v soffice >/dev/null || { echo "libreoffice-corpus: soffice is missing (libreoffice-draw)" >&2; exit 1; }
out=$(realpath -m "$1")/libreoffice
clipart=/usr/share/openclipart/svg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$work/in"
cp "$root"/tests/data/pictures/corpus/libreoffice/*.svg "$work/in/"
while read -r svg; do
  case "$svg" in '' | '#'*) continue ;; esac
  name=${svg%.svg}
  cp "$clipart/$svg" "$work/in/${name//\//_}.svg"
done <"$root/tests/data/pictures/corpus/libreoffice.txt"
# A profile of its own, so a running LibreOffice of the user's is not disturbed.
for kind in wmf emf; do
  HOME=$work timeout 600 soffice -env:UserInstallation=file://$work/profile --headless \
    --convert-to "$kind" --outdir "$out" "$work"/in/*.svg >/dev/null 2>&1
done
echo "libreoffice-corpus: $(ls "$out" | wc -l) exports in $out"
