#!/usr/bin/env bash
# The soak run: a generated host script (scripts/soak_script.sh) creates and
# deletes 1000 charts, rolls 50 charts, edits every action 100 times and ends with
# the shutdown message, printing the process's memory at checkpoints. It fails
# when the host fails (a leaked or doubly freed host string exits 1) or when the
# memory grows between the second checkpoint and the last by more than the bounds.
#   scripts/soak.sh [--native-only | --wine-only] [--ticks N] [--wine-ticks N]
#                   [--heap-kib N] [--rss-kib N] [--objects N]
#                   [--native-build DIR] [--windows-build DIR]
# Native ticks run on a virtual clock; under Wine each tick waits its 150 ms, so
# the Windows run rolls for fewer ticks (default 200, half a minute).
# The Windows run takes the 32-bit build/win32 by default, or the build given
# (a 64-bit one runs under 64-bit Wine); it needs a display (./dev.sh soak starts one).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native_build=$root/build/native
windows_build=$root/build/win32
ticks=10000
wine_ticks=200
heap_kib=1024   # the allocator's bytes in use
rss_kib=4096
objects=16      # Windows GDI and USER objects (under Wine, whose own counts are 0: the
                # GDI handle table and the process's windows, see process_memory.h)
run_native=1
run_wine=1
while [ $# -gt 0 ]; do
  case $1 in
    --native-only) run_wine=0 ;;
    --wine-only) run_native=0 ;;
    --ticks) ticks=$2; shift ;;
    --wine-ticks) wine_ticks=$2; shift ;;
    --heap-kib) heap_kib=$2; shift ;;
    --rss-kib) rss_kib=$2; shift ;;
    --objects) objects=$2; shift ;;
    --native-build) native_build=$(realpath "$2"); shift ;;
    --windows-build) windows_build=$(realpath "$2"); shift ;;
    *) echo "usage: $0 [--native-only|--wine-only] [--ticks N] [--wine-ticks N] [--heap-kib N] [--rss-kib N] [--objects N] [--native-build DIR] [--windows-build DIR]" >&2; exit 2 ;;
  esac
  shift
done

native_host=$native_build/bin/pirogram-host
[ -x "$native_host" ] || { echo "soak: no host at $native_host" >&2; exit 2; }
work=$native_build/soak
mkdir -p "$work"

# Prints the checkpoints and checks the last against the second.
check_memory() {
  local out=$1 name=$2
  grep '^memory ' "$out" | sed "s/^/  $name /"
  awk -v heap="$heap_kib" -v rss="$rss_kib" -v objects="$objects" -v name="$name" '
    /^memory / {
      n++
      for (i = 1; i <= NF; i++) v[$i] = $(i + 1)
      r[n] = v["rss"]; h[n] = v["heap"]; g[n] = v["gdi"] + 0; u[n] = v["user"] + 0
    }
    END {
      if (n < 3) { print "soak " name ": FAIL (only " n " memory checkpoints)"; exit 1 }
      dr = r[n] - r[2]; dh = h[n] - h[2]; dg = g[n] - g[2]; du = u[n] - u[2]
      bad = dr > rss || dh > heap || dg > objects || du > objects
      printf "soak %s: %s (from the second checkpoint to the last: rss %+d KiB, heap %+d KiB, gdi %+d, user %+d; bounds %d KiB, %d KiB, %d objects)\n",
        name, bad ? "FAIL" : "memory flat", dr, dh, dg, du, rss, heap, objects
      exit bad
    }' "$out"
}

# Runs one host over a generated script; the host's own end-of-run report
# (leaked or doubly freed host strings) makes its exit status non-zero.
soak_one() {
  local name=$1 tick_count=$2 dir=$3
  shift 3
  mkdir -p "$dir"
  "$root/scripts/soak_script.sh" "$native_host" "$tick_count" >"$dir/soak.pgs" || return 1
  echo "soak $name: $(wc -l <"$dir/soak.pgs") script lines, $tick_count ticks of 50 rolling charts"
  local start rc
  start=$(date +%s)
  # Quiet: the soak's deliberate bad parameters are no failure; anything else on
  # standard error is.
  (cd "$dir" && "$@" --quiet "$dir/soak.pgs" >"$dir/soak.out" 2>"$dir/soak.err")
  rc=$?
  echo "soak $name: host exit $rc after $(( $(date +%s) - start ))s; $(grep -c '^edit -> ' "$dir/soak.out") editor runs"
  local ok=0
  if [ "$rc" -ne 0 ] || [ -s "$dir/soak.err" ]; then
    echo "soak $name: FAIL (the host reported:)"
    sed 's/^/  /' "$dir/soak.err" | head -20
    ok=1
  fi
  check_memory "$dir/soak.out" "$name" || ok=1
  return $ok
}

status=0
if [ $run_native -eq 1 ]; then
  soak_one native "$ticks" "$work/native" "$native_host" || status=1
fi
if [ $run_wine -eq 1 ]; then
  if [ -z "${DISPLAY:-}" ]; then
    echo "soak: the Windows run needs a display (run it through ./dev.sh soak)" >&2
    exit 2
  fi
  runner=$root/scripts/wine-run.sh
  if grep -qs x86_64-w64-mingw32 "$windows_build/CMakeCache.txt"; then
    runner=$root/scripts/wine64-run.sh
  fi
  soak_one wine "$wine_ticks" "$work/wine" "$runner" "$windows_build/bin/pirogram-host.exe" || status=1
fi
exit $status
