#!/usr/bin/env bash
# The EMF and SVG files of the same charts from the native build and a Windows
# build (under Wine), compared byte for byte: the reference host's
# tests/cross/exports.pgs and the nine looks the unit tests export. Both run
# with "." as the decimal separator (the Windows programs in en_US.UTF-8, whose
# user locale Wine takes from it), so what may remain is only what the two
# platforms' fonts measure differently: each difference is listed with the
# records or elements it moves and by how many pixels
# (scripts/export_build_diff.py). Fails when the files differ in anything else.
#   scripts/compare-exports.sh NATIVE_BUILD WINDOWS_BUILD WINE_RUNNER
# Needs a display for the Windows programs (dev.sh starts one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "$1")/bin windows=$(realpath "$2")/bin runner=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/native" "$work/windows"
looks='Looks/EmfRoundTrip.*'
(cd "$work/native" && export LC_ALL=C.UTF-8 \
  && "$native/pirogram-host" "$root/tests/cross/exports.pgs" >/dev/null 2>&1 \
  && "$native/pg_tests" --gtest_brief=1 --gtest_filter="$looks" >/dev/null)
(cd "$work/windows" && export PG_WINE_LOCALE=en_US.UTF-8 \
  && "$runner" "$windows/pirogram-host.exe" "$root/tests/cross/exports.pgs" >/dev/null 2>&1 \
  && "$runner" "$windows/pg_tests.exe" --gtest_brief=1 --gtest_filter="$looks" >/dev/null)
failed=0 identical=0 files=0
for a in "$work"/native/*.emf "$work"/native/*.svg; do
  files=$((files + 1))
  b=$work/windows/$(basename "$a")
  [ -f "$b" ] || { echo "$(basename "$a"): the Windows build wrote none"; failed=1; continue; }
  if cmp -s "$a" "$b"; then identical=$((identical + 1)); continue; fi
  /usr/bin/python3 "$root/scripts/export_build_diff.py" "$a" "$b" || failed=1
done
echo "compare-exports: $identical of $files files byte for byte the same"
if [ $failed -eq 0 ]; then echo "compare-exports: the rest differ only where the fonts measure differently"; else echo "compare-exports: FAILED"; fi
exit $failed
