#!/usr/bin/env bash
# Renders every picture the project draws with one build (the unit tests'
# pictures, the examples' and the host-level scenarios') and compares them pixel
# for pixel with a reference set, or records that set:
#   scripts/compare-pictures.sh --record BUILD REFERENCE   render into REFERENCE
#   scripts/compare-pictures.sh BUILD REFERENCE            render and compare
# BUILD is a build folder (build/native; build/win32 runs under Wine, which
# needs DISPLAY). Exits 1 when a picture differs, is missing or is new.
set -euo pipefail
record=0
if [ "${1:-}" = "--record" ]; then record=1; shift; fi
if [ $# -ne 2 ]; then
  echo "usage: $0 [--record] BUILD REFERENCE" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
reference=$(realpath -m "$2")
run=()
exe=""
if [ -f "$build/bin/pg_tests.exe" ]; then run=("$root/scripts/wine-run.sh"); exe=.exe; fi
host=("${run[@]}" "$build/bin/pirogram-host$exe")
# The examples run in a scratch folder of their own (they find their pictures
# beside the script).
examples_dir=$root/out/compare-pictures-$$

if [ $record -eq 1 ]; then
  out=$reference
  rm -rf "$out"
else
  out=$(mktemp -d)
  trap 'rm -rf "$out" "$examples_dir"' EXIT
fi
mkdir -p "$out/unit" "$out/examples" "$out/scenarios"

echo "== unit-test pictures"
(cd "$out/unit" && "${run[@]}" "$build/bin/pg_tests$exe" --gtest_brief=1 >/dev/null 2>&1) ||
  echo "compare-pictures: some unit tests failed; their pictures are compared all the same" >&2

echo "== examples"
for script in "$root"/examples/*.pgs; do
  stem=$(basename "$script" .pgs)
  rm -rf "$examples_dir"
  mkdir -p "$examples_dir"
  (cd "$examples_dir" && "${host[@]}" "$script" >/dev/null 2>&1) || echo "compare-pictures: $stem ended with an error" >&2
  mkdir -p "$out/examples/$stem"
  find "$examples_dir" -maxdepth 1 -type f \( -name '*.png' -o -name '*.bmp' \) -exec mv {} "$out/examples/$stem/" \;
done
rm -rf "$examples_dir"

echo "== scenarios"
for script in "$root"/tests/scenarios/*.pgs; do
  stem=$(basename "$script" .pgs)
  extra=$(sed -n 's/^# args: //p' "$script" | head -n 1)
  mkdir -p "$out/scenarios/$stem"
  # shellcheck disable=SC2086
  (cd "$out/scenarios/$stem" && "${host[@]}" $extra "$script" >/dev/null 2>&1) || true
  find "$out/scenarios/$stem" -type f ! \( -name '*.png' -o -name '*.bmp' \) -delete
done

count=$(find "$out" -type f \( -name '*.png' -o -name '*.bmp' \) | wc -l)
if [ $record -eq 1 ]; then
  echo "recorded $count pictures in $reference"
  exit 0
fi
/usr/bin/python3 - "$reference" "$out" <<'PY'
import os
import sys

from PIL import Image

reference, actual = sys.argv[1:3]


def pictures(top):
    found = set()
    for folder, _, files in os.walk(top):
        for name in files:
            if name.endswith((".png", ".bmp")):
                found.add(os.path.relpath(os.path.join(folder, name), top))
    return found


want, got = pictures(reference), pictures(actual)
bad = [f"missing: {p}" for p in sorted(want - got)] + [f"new: {p}" for p in sorted(got - want)]
for path in sorted(want & got):
    a = Image.open(os.path.join(reference, path)).convert("RGB")
    b = Image.open(os.path.join(actual, path)).convert("RGB")
    if a.size != b.size:
        bad.append(f"size differs: {path} {a.size} -> {b.size}")
        continue
    differ = sum(1 for p, q in zip(a.getdata(), b.getdata()) if p != q)
    if differ:
        bad.append(f"differs: {path} ({differ} pixels)")
print(f"{len(want & got)} pictures compared pixel for pixel")
for line in bad:
    print("  " + line)
sys.exit(1 if bad else 0)
PY
