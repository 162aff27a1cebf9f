#!/usr/bin/env bash
# The editors on Windows systems whose code page is not Cyrillic: the Windows
# build under Wine started in code page 1251 (ru_RU.UTF-8), 1252 (C) and 932
# (ja_JP.UTF-8). In each: the dialog and editor unit tests (with the system code
# page checked), the editor scenarios against their expected output, and every
# action's editor photographed with Cyrillic rows, and every row button's
# tooltip; each editor's and tooltip's picture and its `dialog show` text must
# equal the 1251 ones, pixel for pixel. The
# native host draws the same editors under the same locales (LANG, LC_ALL) and
# must not change either.
#   scripts/editor-codepages.sh NATIVE_BUILD WINDOWS_BUILD WINE_RUNNER OUT_DIR [LOCALE...]
# (default locales: C ja_JP.UTF-8). Needs a display (dev.sh starts one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "$1")/bin/pirogram-host
build=$(realpath "$2")
runner=$(realpath "$3")
out=$(realpath -m "$4")
shift 4
locales=("$@")
[ ${#locales[@]} -gt 0 ] || locales=(C ja_JP.UTF-8)
host=$build/bin/pirogram-host.exe
tests=$build/bin/pg_tests.exe
filter='DialogKeys.*:UnicodeDialog.*:ModalDialogPerson.*:DialogSnapshot.*:EditProtocol.*:EditorTable.*:PickerForm.*'
rm -rf "$out"
mkdir -p "$out"

# Every editor, its rows holding Cyrillic text, shown and photographed, and
# the tooltip of every row button that has one (Cyrillic, each of them).
# Every action of the catalogue, to the last one appended.
last=$(sed -n 's/.*kLastActionId = \([0-9]*\);.*/\1/p' "$root/src/plugin/catalogue/catalogue.h")
[ -n "$last" ] || { echo "no kLastActionId in the catalogue" >&2; exit 2; }
script=$out/editors.pgs
for id in $(seq 1 "$last"); do
  printf 'dialog snapshot "editor-%02d.png"\n' "$id"
  for row in 1 2 3 4 5; do
    for button in chooser color font; do
      printf 'dialog tooltip %s %d "tip-%02d-%d-%s.png"\n' "$button" "$row" "$id" "$row" "$button"
    done
  done
  printf 'dialog show\ndialog cancel\nedit %d "Север 1" "Юг 2" "Восток 3" "Запад 4" "Центр 5"\n' "$id"
done >"$script"

code_page() {
  case $1 in
    ru_RU.UTF-8) echo 1251 ;;
    C) echo 1252 ;;
    ja_JP.UTF-8) echo 932 ;;
    *) echo "unknown locale $1" >&2; exit 2 ;;
  esac
}

failed=0

run_in() {
  local loc=$1 cp dir start stem
  cp=$(code_page "$loc")
  dir=$out/cp$cp
  mkdir -p "$dir/native"
  start=$SECONDS
  export PG_WINE_LOCALE=$loc PG_EXPECTED_ACP=$cp
  if ! (cd "$dir" && "$runner" "$tests" --gtest_filter="$filter" --gtest_brief=1 >unit.txt 2>&1); then
    echo "code page $cp: dialog unit tests FAILED"; tail -30 "$dir/unit.txt"; failed=1
  fi
  for scenario in "$root"/tests/scenarios/edit_*.pgs; do
    stem=$(basename "$scenario" .pgs)
    if ! cmake -DHOST="$host" -DEMULATOR="$runner" -DSCRIPT="$scenario" -DWORKDIR="$dir/scenario-$stem" \
        -P "$root/cmake/run_scenario.cmake" >"$dir/scenario-$stem.txt" 2>&1; then
      echo "code page $cp: scenario $stem FAILED"; tail -20 "$dir/scenario-$stem.txt"; failed=1
    fi
  done
  (cd "$dir" && "$runner" "$host" "$script" >editors.txt 2>&1) || { echo "code page $cp: editors FAILED"; failed=1; }
  unset PG_WINE_LOCALE PG_EXPECTED_ACP
  # The native host in the same locale (the Wine runner has built it).
  (cd "$dir/native" && LOCPATH="$root/build/locale" LANG=$loc LC_ALL=$loc "$native" "$script" >editors.txt 2>&1) \
    || { echo "code page $cp: native editors FAILED"; failed=1; }
  echo "code page $cp ($loc): $(grep -c '^caption' "$dir/editors.txt" || true) editors, $((SECONDS - start)) s"
}

# same REF OTHER: the editors' texts and pictures in OTHER are those of REF.
same() {
  if ! cmp -s "$1/editors.txt" "$2/editors.txt"; then
    echo "$2: the editors read differently from $1"
    diff "$1/editors.txt" "$2/editors.txt" | head -20
    return 1
  fi
  /usr/bin/python3 - "$1" "$2" "$last" <<'PY'
import sys, pathlib
from PIL import Image, ImageChops
ref, other = map(pathlib.Path, sys.argv[1:3])
editors = int(sys.argv[3])
names = sorted(p.name for p in ref.glob("editor-*.png"))
tips = sorted(p.name for p in ref.glob("tip-*.png"))
extra = sorted(p.name for p in other.glob("tip-*.png") if p.name not in tips)
bad = [f"{n} only in {other}" for n in extra]
for n in names + tips:
    q = other / n
    if not q.exists():
        bad.append(f"{n} missing")
        continue
    a, b = Image.open(ref / n).convert("RGB"), Image.open(q).convert("RGB")
    if a.size != b.size:
        bad.append(f"{n} {a.size} against {b.size}")
        continue
    box = ImageChops.difference(a, b).getbbox()
    if box:
        count = sum(1 for p, r in zip(a.getdata(), b.getdata()) if p != r)
        bad.append(f"{n} {count} pixels differ in {box}")
print(f"{other} against {ref.name}: {len(names) + len(tips) - len(bad)} of {len(names) + len(tips)} pictures "
      f"({len(names)} editors, {len(tips)} tooltips) pixel for pixel the same")
for line in bad:
    print("  " + line)
sys.exit(1 if bad or len(names) != editors or not tips else 0)
PY
}

run_in ru_RU.UTF-8
for loc in "${locales[@]}"; do
  run_in "$loc"
  cp=$(code_page "$loc")
  same "$out/cp1251" "$out/cp$cp" || failed=1
  same "$out/cp1251/native" "$out/cp$cp/native" || failed=1
done
# The two builds' tooltips side by side, reported only: a text the two
# platforms measure a pixel apart makes its box a pixel wider or narrower.
/usr/bin/python3 - "$out/cp1251" "$out/cp1251/native" <<'PY'
import sys, pathlib
from PIL import Image, ImageChops
win, native = map(pathlib.Path, sys.argv[1:3])
tips = sorted(win.glob("tip-*.png"))
same = [p for p in tips if (native / p.name).exists()
        and Image.open(p).size == Image.open(native / p.name).size
        and not ImageChops.difference(Image.open(p).convert("RGB"),
                                      Image.open(native / p.name).convert("RGB")).getbbox()]
print(f"tooltips, Windows build against native: {len(same)} of {len(tips)} pixel for pixel the same")
PY
if [ $failed -eq 0 ]; then echo "editor-codepages: all hold"; else echo "editor-codepages: FAILED"; fi
exit $failed
