#!/usr/bin/env bash
# The native host and a Windows host (under Wine) against each other: the
# catalogue byte for byte, and the chart pictures of tests/cross (the flat 1, 1, 2
# pie; hatched round pies, flat and solid, with their legend) each with at least
# 97 % of its pixels equal (the platforms' text rasterisers differ by a few pixels).
#   scripts/compare-builds.sh NATIVE_BUILD WINDOWS_BUILD WINE_RUNNER
# Needs a display for the Windows host (dev.sh starts one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "$1")/bin/pirogram-host windows=$(realpath "$2")/bin/pirogram-host.exe runner=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/native" "$work/windows"
scripts=(flat_pie patterns)
(cd "$work/native" && "$native" "$root/tests/scenarios/catalogue.pgs" >catalogue.txt \
  && for s in "${scripts[@]}"; do "$native" "$root/tests/cross/$s.pgs"; done)
(cd "$work/windows" && "$runner" "$windows" "$root/tests/scenarios/catalogue.pgs" >catalogue.txt \
  && for s in "${scripts[@]}"; do "$runner" "$windows" "$root/tests/cross/$s.pgs"; done)
failed=0
if cmp -s "$work/native/catalogue.txt" "$work/windows/catalogue.txt"; then
  echo "catalogue: $(grep -c '^row' "$work/native/catalogue.txt") rows, byte for byte the same"
else
  echo "catalogue: the two hosts print different catalogues"
  diff "$work/native/catalogue.txt" "$work/windows/catalogue.txt" | head -20
  failed=1
fi
/usr/bin/python3 - "$work/native" "$work/windows" "${PG_COMPARE_KEEP:-}" <<'PY' || failed=1
import shutil, sys
from pathlib import Path
from PIL import Image
native, windows, keep = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3]
ok = True
for name, what in (("pie.png", "flat pie"), ("patterns_flat.png", "hatched round flat pie"),
                   ("patterns_3d.png", "hatched round solid pie")):
    a, b = (Image.open(d / name).convert("RGB") for d in (native, windows))
    if keep:  # PG_COMPARE_KEEP=DIR keeps both builds' pictures to look at
        for d, side in ((native, "native"), (windows, "windows")):
            Path(keep).mkdir(parents=True, exist_ok=True)
            shutil.copy(d / name, Path(keep) / f"{side}-{name}")
    if a.size != b.size:
        print(f"{what}: sizes differ, {a.size} and {b.size}")
        ok = False
        continue
    same = sum(1 for p, q in zip(a.getdata(), b.getdata()) if p == q)
    share = 100.0 * same / (a.size[0] * a.size[1])
    print(f"{what}: {share:.2f} % of {a.size[0]} x {a.size[1]} pixels equal (at least 97 %)")
    ok = ok and share >= 97.0
sys.exit(0 if ok else 1)
PY
if [ $failed -eq 0 ]; then echo "compare-builds: both hold"; else echo "compare-builds: FAILED"; fi
exit $failed
