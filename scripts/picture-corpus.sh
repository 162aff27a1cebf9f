#!/usr/bin/env bash
# The corpus of real metafiles, made from Debian packages and by GDI itself:
#   OUT/inkscape/  Inkscape's EMF and WMF exports of the openclipart drawings
#                  listed in tests/data/pictures/corpus/openclipart.txt
#   OUT/gdi/       metafiles GDI records (tests/tools/record_metafiles.cpp, built
#                  by the Windows trees) under Wine: every pen, hatch, text in 1251
#                  and Unicode, bitmaps, clipping, transforms, paths, shapes
#   scripts/picture-corpus.sh OUT WINDOWS_BUILD WINE_RUNNER
# e.g. scripts/picture-corpus.sh build/picture-corpus build/win64 scripts/wine64-run.sh
# Each half is made again only when its inputs change (a stamp of their hashes).
# The GDI half needs a display for Wine (dev.sh starts one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 3 ]; then
  echo "usage: $0 OUT WINDOWS_BUILD WINE_RUNNER" >&2
  exit 2
fi
out=$(realpath -m "$1") windows=$(realpath "$2") runner=$(realpath "$3")
list=$root/tests/data/pictures/corpus/openclipart.txt
clipart=/usr/share/openclipart/svg
mkdir -p "$out/inkscape" "$out/gdi"

# Whether DIR's stamp says it was made from STAMP; writes nothing.
fresh() { [ -f "$1/.stamp" ] && [ "$(cat "$1/.stamp")" = "$2" ]; }

# Inkscape, one process a drawing for both exports (its shell mode, given
# them all, stops at a trap part of the way), each drawing named by its path
# below the clip-art folder with "/" made "_". Without a display: Inkscape
# stops at a trap when it finds the X server.
export_drawing() {
  local svg=$1 dir=$2 name=${1%.svg}
  name=${name//\//_}
  env -u DISPLAY timeout 120 inkscape --actions="export-type:emf;export-filename:$dir/$name.emf;export-do;\
export-type:wmf;export-filename:$dir/$name.wmf;export-do" "$clipart/$svg" >/dev/null 2>&1
}
stamp=$(cat "$list" "$0" | sha1sum | cut -d' ' -f1)-$(inkscape --version 2>/dev/null | head -n 1 | tr ' ' _)
if ! fresh "$out/inkscape" "$stamp"; then
  rm -f "$out/inkscape"/*
  drawings=()
  while read -r svg; do
    case "$svg" in '' | '#'*) continue ;; esac
    if [ ! -f "$clipart/$svg" ]; then
      echo "picture-corpus: $clipart/$svg is missing (package openclipart-svg)" >&2
      exit 1
    fi
    drawings+=("$svg")
  done <"$list"
  export -f export_drawing
  export clipart
  printf '%s\n' "${drawings[@]}" | xargs -P 2 -I{} bash -c 'export_drawing "$1" "$2"' _ {} "$out/inkscape"
  made=$(find "$out/inkscape" -name '*.[ew]mf' -size +0 | wc -l)
  if [ "$made" -ne $((2 * ${#drawings[@]})) ]; then
    echo "picture-corpus: Inkscape wrote $made of $((2 * ${#drawings[@]})) exports" >&2
    exit 1
  fi
  echo "$stamp" >"$out/inkscape/.stamp"
fi

# GDI's own recordings, written into the folder the recorder runs in.
recorder=$windows/bin/record_metafiles.exe
if [ ! -f "$recorder" ]; then
  echo "picture-corpus: $recorder is missing (build the Windows tree)" >&2
  exit 1
fi
stamp=$(sha1sum "$recorder" | cut -d' ' -f1)
if ! fresh "$out/gdi" "$stamp"; then
  rm -f "$out/gdi"/*
  (cd "$out/gdi" && timeout 120 "$runner" "$recorder")
  echo "$stamp" >"$out/gdi/.stamp"
fi
echo "picture-corpus: $(ls "$out/inkscape" | wc -l) Inkscape exports in $out/inkscape," \
  "$(ls "$out/gdi" | wc -l) GDI recordings in $out/gdi"
