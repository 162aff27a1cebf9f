#!/usr/bin/env bash
# Bitmaps, icons and JPEGs made by real tools (tests/corpus/make_corpus.py),
# drawn by the native build and by a Windows build under Wine at their own
# size, grown, shrunk and tiled (tests/corpus/picture_draw.cpp), and compared
# picture by picture: bitmaps and JPEGs exactly, icons on at least 99 % of
# their pixels; a file one build refuses and the other shows fails too.
#   scripts/bitmap-corpus.sh NATIVE_BUILD WINDOWS_BUILD WINE_RUNNER [KEEP_DIR]
# KEEP_DIR keeps the corpus, both builds' pictures and, for each picture that
# differs, native | Windows | differences side by side. Needs a display for Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "$1")/bin/pg_picture_draw windows=$(realpath "$2")/bin/pg_picture_draw.exe
runner=$(realpath "$3")
if [ $# -ge 4 ]; then
  work=$(realpath -m "$4")
  rm -rf "$work"
  mkdir -p "$work"
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work/corpus" "$work/native" "$work/windows"
/usr/bin/python3 "$root/tests/corpus/make_corpus.py" "$work/corpus"
# Relative names: the Windows program sees them the same under Wine.
cd "$work/corpus"
files=(*.bmp *.ico *.jpg)
"$native" ../native "${files[@]}"
"$runner" "$windows" ../windows "${files[@]}"
exec /usr/bin/python3 "$root/tests/corpus/compare_corpus.py" "$work"
