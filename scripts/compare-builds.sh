#!/usr/bin/env bash
# The native host and a Windows host (under Wine) against each other: the
# catalogue byte for byte, and the flat 1, 1, 2 pie with at least 97 % of its
# pixels equal (the platforms' text rasterisers differ by a few pixels).
#   scripts/compare-builds.sh NATIVE_BUILD WINDOWS_BUILD WINE_RUNNER
# Needs a display for the Windows host (dev.sh starts one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "$1")/bin/pirogram-host windows=$(realpath "$2")/bin/pirogram-host.exe runner=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/native" "$work/windows"
(cd "$work/native" && "$native" "$root/tests/scenarios/catalogue.pgs" >catalogue.txt \
  && "$native" "$root/tests/cross/flat_pie.pgs")
(cd "$work/windows" && "$runner" "$windows" "$root/tests/scenarios/catalogue.pgs" >catalogue.txt \
  && "$runner" "$windows" "$root/tests/cross/flat_pie.pgs")
failed=0
if cmp -s "$work/native/catalogue.txt" "$work/windows/catalogue.txt"; then
  echo "catalogue: $(grep -c '^row' "$work/native/catalogue.txt") rows, byte for byte the same"
else
  echo "catalogue: the two hosts print different catalogues"
  diff "$work/native/catalogue.txt" "$work/windows/catalogue.txt" | head -20
  failed=1
fi
/usr/bin/python3 - "$work/native/pie.png" "$work/windows/pie.png" <<'PY' || failed=1
import sys
from PIL import Image
a, b = (Image.open(p).convert("RGB") for p in sys.argv[1:3])
if a.size != b.size:
    sys.exit(f"flat pie: sizes differ, {a.size} and {b.size}")
same = sum(1 for p, q in zip(a.getdata(), b.getdata()) if p == q)
share = 100.0 * same / (a.size[0] * a.size[1])
print(f"flat pie: {share:.2f} % of {a.size[0]} x {a.size[1]} pixels equal (at least 97 %)")
sys.exit(0 if share >= 97.0 else 1)
PY
if [ $failed -eq 0 ]; then echo "compare-builds: both hold"; else echo "compare-builds: FAILED"; fi
exit $failed
