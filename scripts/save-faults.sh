#!/usr/bin/env bash
# Saves under the faults hosts meet, through the reference host of each build:
# a full disk, a hard-linked target on a nearly full disk, a file-size limit
# (ulimit -f) and kill -9 in the middle of saves. After each, the target holds
# the complete old or the complete new picture, another name of it keeps the old
# one, the host (when not killed) goes on with its script, and no more than one
# temporary file is left in the folder. Under Wine the file-size limit ends
# Wine itself (there is no such limit on Windows): that case is reported, and
# only what it leaves is checked.
#   scripts/save-faults.sh [--native-build DIR] [--windows-build DIR] [--kills N] [--wine-kills N]
#                          [--work DIR]
# The disks are small tmpfs mounts (needs root; without it those cases are
# skipped, loudly). The Windows build runs under Wine and needs a display.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native_build=$root/build/native
windows_build=""
kills=50
wine_kills=10
work=""
while [ $# -gt 0 ]; do
  case $1 in
    --native-build) native_build=$(realpath "$2"); shift ;;
    --windows-build) windows_build=$(realpath "$2"); shift ;;
    --kills) kills=$2; shift ;;
    --wine-kills) wine_kills=$2; shift ;;
    --work) work=$(realpath -m "$2"); shift ;;
    *) echo "usage: $0 [--native-build DIR] [--windows-build DIR] [--kills N] [--wine-kills N] [--work DIR]" >&2; exit 2 ;;
  esac
  shift
done

[ -n "$work" ] || work=$native_build/save-faults
rm -rf "$work"
mkdir -p "$work"
failures=0
mounts=()
cleanup() {
  for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done
}
trap cleanup EXIT

fail() { echo "save-faults $name: FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "save-faults $name: $*"; }

# chart_script W H VALUE FILE: a script saving a W x H chart as FILE.bmp, then
# printing a line that shows the host went on.
chart_script() {
  cat <<SCRIPT
rect R $1 $2
pgChartCreate "R"
pgAddSeriesChart "R" "$3" "one" ""
pgAddSeriesChart "R" "25" "two" ""
pgAddSeriesChart "R" "35" "three" ""
pgChartBitmap "R" "$4"
print went-on
SCRIPT
}

# export_script SLICES: a script exporting a chart of that many slices as
# chart.svg, chart.pdf and chart.emf, then printing a line that shows the host
# went on.
export_script() {
  echo 'rect R 800 600'
  echo 'pgChartCreate "R"'
  local i
  for i in $(seq "$1"); do echo "pgAddSeriesChart \"R\" \"$((i % 97 + 1))\" \"slice $i\" \"\""; done
  for ext in svg pdf emf; do echo "pgChartExport \"R\" \"chart.$ext\""; done
  echo 'print went-on'
}

# Whether two exported files are the same; a PDF's creation date aside, which
# each export takes anew.
same_export() {
  case $1 in
    *.pdf) cmp -s <(LC_ALL=C sed -E 's/CreationDate \(D:[0-9]+Z?\)//' "$1") <(LC_ALL=C sed -E 's/CreationDate \(D:[0-9]+Z?\)//' "$2") ;;
    *) cmp -s "$1" "$2" ;;
  esac
}

# Whether DIR's chart.svg, chart.pdf and chart.emf are those kept in DIR2.
same_exports() {
  local ext
  for ext in svg pdf emf; do same_export "$1/chart.$ext" "$2/chart.$ext" || return 1; done
}

# host DIR SCRIPT: runs the build's host in DIR; its output lands in DIR/../host.out.
host() {
  local dir=$1 script=$2
  (cd "$dir" && "${runner[@]}" "$script" >"$work/host.out" 2>&1)
}

# Strays of ours in a folder.
strays() { find "$1" -maxdepth 1 -type f \( -name '.pg.*' -o -iname 'pg*.tmp' \) | wc -l; }

# The size a BMP's header gives, in decimal.
bmp_size() { od -An -tu4 -j2 -N4 "$1" | tr -d ' '; }

# tmpfs DIR KIB: a fresh small disk at DIR.
tmpfs() {
  mkdir -p "$1"
  mount -t tmpfs -o "size=$2k" tmpfs "$1" && mounts+=("$1")
}

# fill DIR KIB: leaves about KIB free on DIR's disk.
fill() {
  local free_kib
  free_kib=$(df -k --output=avail "$1" | tail -1)
  [ "$free_kib" -gt "$2" ] && head -c $(( (free_kib - $2) * 1024 )) /dev/zero >"$1/filler"
}

run_cases() {
  local build=$1 kill_count=$2
  local scripts=$work/$build/scripts
  mkdir -p "$scripts"
  chart_script 200 100 40 chart >"$scripts/small.pgs"
  chart_script 400 300 50 chart >"$scripts/large.pgs"
  chart_script 2000 1500 40 big >"$scripts/big_old.pgs"
  chart_script 2000 1500 60 big >"$scripts/big_new.pgs"
  export_script 3 >"$scripts/export_small.pgs"
  export_script 3000 >"$scripts/export_large.pgs"

  if [ "$(id -u)" -ne 0 ]; then
    name=$build
    echo "save-faults $build: full-disk, hard-link and size-limit cases SKIPPED: mounting a small disk needs root"
  else
    # A plain full disk: the save fails, the old picture stays, nothing is left.
    name="$build full disk"
    local disk=$work/$build/full
    tmpfs "$disk" 1024
    host "$disk" "$scripts/small.pgs"
    cp "$disk/chart.bmp" "$work/$build/small.bmp"
    fill "$disk" 100
    host "$disk" "$scripts/large.pgs"
    if ! grep -q went-on "$work/host.out"; then fail "the host stopped: $(head -3 "$work/host.out")"
    elif ! cmp -s "$disk/chart.bmp" "$work/$build/small.bmp"; then fail "the old picture changed"
    elif [ "$(ls -A "$disk" | wc -l)" -ne 2 ]; then fail "left behind: $(ls -A "$disk" | tr '\n' ' ')"
    else pass "old picture whole, nothing left"; fi

    # The vector exports on a full disk: each fails alone, the old files stay.
    name="$build full disk, vector exports"
    disk=$work/$build/full_exports
    tmpfs "$disk" 4096
    host "$disk" "$scripts/export_small.pgs"
    mkdir -p "$work/$build/exports_small"
    cp "$disk"/chart.* "$work/$build/exports_small/"
    fill "$disk" 100
    host "$disk" "$scripts/export_large.pgs"
    if ! grep -q went-on "$work/host.out"; then fail "the host stopped: $(head -3 "$work/host.out")"
    elif ! same_exports "$disk" "$work/$build/exports_small"; then fail "an old file changed"
    elif [ "$(ls -A "$disk" | wc -l)" -ne 4 ]; then fail "left behind: $(ls -A "$disk" | tr '\n' ' ')"
    else pass "old SVG, PDF and EMF whole, nothing left"; fi

    # A hard-linked target on a nearly full disk: the name saved to gets the new
    # picture whole, the other name keeps the old one.
    name="$build hard link on a nearly full disk"
    disk=$work/$build/linked
    tmpfs "$disk" 1024
    host "$disk" "$scripts/small.pgs"
    ln "$disk/chart.bmp" "$disk/link.bmp"
    fill "$disk" 524
    host "$disk" "$scripts/large.pgs"
    local size
    size=$(stat -c %s "$disk/chart.bmp")
    if ! grep -q went-on "$work/host.out"; then fail "the host stopped"
    elif [ "$size" -ne 360054 ] || [ "$(bmp_size "$disk/chart.bmp")" -ne 360054 ]; then
      fail "chart.bmp holds $size bytes, its header says $(bmp_size "$disk/chart.bmp")"
    elif ! cmp -s "$disk/link.bmp" "$work/$build/small.bmp"; then fail "the other name lost the old picture"
    elif [ "$(strays "$disk")" -ne 0 ]; then fail "temporary files left"
    else pass "new picture whole ($size bytes), the other name keeps the old one"; fi

    # A file-size limit below the picture: a refusal, and the host goes on.
    name="$build file-size limit"
    disk=$work/$build/limit
    tmpfs "$disk" 2048
    host "$disk" "$scripts/small.pgs"
    (ulimit -f 100; host "$disk" "$scripts/large.pgs")
    local rc=$?
    if [ "$build" = windows ] && [ $rc -eq 153 ]; then
      # Windows has no such limit, so the module cannot look for it; Linux
      # sends Wine itself the signal that ends it. What is left must still hold.
      if ! cmp -s "$disk/chart.bmp" "$work/$build/small.bmp"; then fail "the old picture changed"
      elif [ "$(ls -A "$disk" | wc -l)" -ne 1 ]; then fail "left behind: $(ls -A "$disk" | tr '\n' ' ')"
      else pass "NOT HELD under Wine (SIGXFSZ ends Wine itself; no Windows has the limit): old picture whole, nothing left"; fi
    elif [ $rc -ne 0 ] || ! grep -q went-on "$work/host.out"; then fail "the host ended with status $rc"
    elif ! cmp -s "$disk/chart.bmp" "$work/$build/small.bmp"; then fail "the old picture changed"
    elif [ "$(ls -A "$disk" | wc -l)" -ne 1 ]; then fail "left behind: $(ls -A "$disk" | tr '\n' ' ')"
    else pass "refused, the host went on, old picture whole, nothing left"; fi
  fi

  # kill -9 at random moments of saves over a hard-linked 9 MB picture; some
  # kills come after the save has ended.
  name="$build kill -9"
  local dir=$work/$build/kills
  mkdir -p "$dir"
  host "$dir" "$scripts/big_old.pgs" && mv "$dir/big.bmp" "$work/$build/big_old.bmp"
  host "$dir" "$scripts/big_new.pgs" && mv "$dir/big.bmp" "$work/$build/big_new.bmp"
  # How long a whole save takes here: the kills fall within it.
  local start took
  start=$(date +%s%N)
  host "$dir" "$scripts/big_new.pgs"
  took=$(( ($(date +%s%N) - start) / 1000000 ))
  rm -f "$dir/big.bmp"
  local i old=0 new=0 torn=0 killed=0 most_strays=0
  for i in $(seq "$kill_count"); do
    cp "$work/$build/big_old.bmp" "$dir/big.bmp"
    ln -f "$dir/big.bmp" "$dir/second.bmp"
    (cd "$dir" && exec "${runner[@]}" "$scripts/big_new.pgs" >/dev/null 2>&1) &
    local pid=$!
    sleep "$(awk -v ms="$took" -v seed="$RANDOM" 'BEGIN { srand(seed); printf "%.3f", rand() * ms * 1.3 / 1000 }')"
    kill -9 $pid 2>/dev/null && killed=$((killed + 1))
    wait $pid 2>/dev/null
    if cmp -s "$dir/big.bmp" "$work/$build/big_old.bmp"; then old=$((old + 1))
    elif cmp -s "$dir/big.bmp" "$work/$build/big_new.bmp"; then new=$((new + 1))
    else torn=$((torn + 1)); fi
    cmp -s "$dir/second.bmp" "$work/$build/big_old.bmp" || torn=$((torn + 1))
    local s
    s=$(strays "$dir")
    [ "$s" -gt "$most_strays" ] && most_strays=$s
  done
  local summary="$kill_count runs (a save takes ${took} ms here), $killed killed: $old old, $new new, $torn torn; at most $most_strays temporary file(s) left"
  if [ $torn -ne 0 ] || [ "$most_strays" -gt 1 ]; then fail "$summary"; else pass "$summary"; fi

  # kill -9 during the three vector exports of 3000 slices over small ones:
  # each file is whole, old or new.
  name="$build kill -9, vector exports"
  dir=$work/$build/export_kills
  mkdir -p "$dir" "$work/$build/exports_old" "$work/$build/exports_new"
  host "$dir" "$scripts/export_small.pgs" && cp "$dir"/chart.* "$work/$build/exports_old/"
  start=$(date +%s%N)
  host "$dir" "$scripts/export_large.pgs" && cp "$dir"/chart.* "$work/$build/exports_new/"
  took=$(( ($(date +%s%N) - start) / 1000000 ))
  old=0 new=0 torn=0 killed=0 most_strays=0
  for i in $(seq "$kill_count"); do
    cp "$work/$build/exports_old"/chart.* "$dir/"
    (cd "$dir" && exec "${runner[@]}" "$scripts/export_large.pgs" >/dev/null 2>&1) &
    local pid=$!
    sleep "$(awk -v ms="$took" -v seed="$RANDOM" 'BEGIN { srand(seed); printf "%.3f", rand() * ms * 1.3 / 1000 }')"
    kill -9 $pid 2>/dev/null && killed=$((killed + 1))
    wait $pid 2>/dev/null
    local ext
    for ext in svg pdf emf; do
      if same_export "$dir/chart.$ext" "$work/$build/exports_old/chart.$ext"; then old=$((old + 1))
      elif same_export "$dir/chart.$ext" "$work/$build/exports_new/chart.$ext"; then new=$((new + 1))
      else torn=$((torn + 1)); fi
    done
    s=$(strays "$dir")
    [ "$s" -gt "$most_strays" ] && most_strays=$s
  done
  summary="$kill_count runs (three exports take ${took} ms here), $killed killed: files $old old, $new new, $torn torn; at most $most_strays temporary file(s) left"
  if [ $torn -ne 0 ] || [ "$most_strays" -gt 1 ]; then fail "$summary"; else pass "$summary"; fi
}

runner=("$native_build/bin/pirogram-host")
run_cases native "$kills"
if [ -n "$windows_build" ]; then
  wrapper=$root/scripts/wine-run.sh
  grep -qs x86_64-w64-mingw32 "$windows_build/CMakeCache.txt" && wrapper=$root/scripts/wine64-run.sh
  runner=("$wrapper" "$windows_build/bin/pirogram-host.exe")
  run_cases windows "$wine_kills"
fi
if [ $failures -ne 0 ]; then echo "save-faults: $failures case(s) FAILED"; exit 1; fi
echo "save-faults: all cases held"
