#!/usr/bin/env bash
# Every metafile of the picture corpus (scripts/picture-corpus.sh) drawn as a
# chart's back picture ("Stretch", 524 x 246) by the native host and by a
# Windows host under Wine (GDI), and compared: the share of pixels that agree
# (every channel within 16 levels) per file and the median per format, with
# side-by-side pictures (native | Windows | differences) in OUT/side/.
# The EMFs 64-bit Wine draws wrongly (tests/data/pictures/corpus/wine-faulty.txt)
# are compared with Inkscape's rendering of their source drawing instead, once
# the evidence that Wine is wrong holds for each (scripts/wine_faults.py: Wine
# draws their pens laid out as it reads them, the WMF export and the drawing
# show the outlines Wine's picture lacks); the table says which reference each
# file was compared with. GDI recordings that Wine draws wrongly
# (tests/data/pictures/corpus/wine-faulty-gdi.txt) are compared with GDI's
# picture of the file corrected so that Wine draws what it should.
#   scripts/compare-corpus.sh NATIVE_BUILD WINDOWS_BUILD WINE_RUNNER CORPUS OUT
# The targets are a median of 95 % per format and 85 % for every file. Below
# them it reports "below target" and exits 0, unless PG_PICTURES_STRICT=1 (or
# --strict after the arguments), when it fails. Needs a display for Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 5 ]; then
  echo "usage: $0 NATIVE_BUILD WINDOWS_BUILD WINE_RUNNER CORPUS OUT [--strict]" >&2
  exit 2
fi
native=$(realpath "$1")/bin/pirogram-host windows=$(realpath "$2")/bin/pirogram-host.exe runner=$(realpath "$3")
corpus=$(realpath "$4") out=$(realpath -m "$5")
strict=${PG_PICTURES_STRICT:-0}
[ "${6:-}" = "--strict" ] && strict=1
rm -rf "$out"
mkdir -p "$out/native" "$out/windows" "$out/side"

# One script for both hosts: an empty chart first (what a refused picture
# leaves), then each file on a chart of its own. Paths are relative to the
# folder each host runs in, where "corpus" leads to the corpus.
script=$out/corpus.pgs
{
  echo "# Written by scripts/compare-corpus.sh: each corpus metafile as a back picture."
  echo "rect R 524 246"
  echo "pgChartCreate \"R\""
  echo "save R empty.png"
  (cd "$corpus" && find . -name '*.emf' -o -name '*.wmf' | sed 's|^\./||' | sort) | while read -r file; do
    echo "pgChartCreate \"R\""
    echo "pgChartPicture \"R\" \"True\" \"corpus/$file\" \"Stretch\""
    echo "save R ${file//\//__}.png"
  done
  echo "message 2"
} >"$script"
for side in native windows; do ln -sfn "$corpus" "$out/$side/corpus"; done
(cd "$out/native" && timeout 300 "$native" "$script" >/dev/null)
(cd "$out/windows" && timeout 300 "$runner" "$windows" "$script" >/dev/null)
faulty=$root/tests/data/pictures/corpus/wine-faulty.txt
gdi_faulty=$root/tests/data/pictures/corpus/wine-faulty-gdi.txt
/usr/bin/python3 "$root/scripts/wine_faults.py" prepare "$faulty" "$corpus" "$out" "$gdi_faulty"
(cd "$out/windows" && timeout 300 "$runner" "$windows" "$out/evidence.pgs" >/dev/null)
/usr/bin/python3 "$root/scripts/compare_corpus.py" "$out" "$strict" "$faulty" "$corpus" "$gdi_faulty"
