#!/usr/bin/env bash
# Runs every host-level scenario (tests/scenarios/*.pgs, with its "# args:" line)
# and a short soak script (scripts/soak_script.sh) through the native reference
# host under valgrind's memcheck. Any memory error and any definite or indirect
# leak fails a run; so does a scenario's output that differs from its .out file,
# and a soak that exits non-zero (a leaked or doubly freed host string). One
# summary line a run; the exit status is the number of failed runs.
# Stacks are kept long: fontconfig recurses deeply below the library frames by
# which the suppressions know a block.
# valgrind computes long double in 64 bits, not the x87's 80: pictures that
# rest on that precision (the 3D view's angles modulo a full turn) may compare
# differently under it, so in those scenarios only the compare lines may differ.
#   scripts/memcheck.sh [BUILD_DIR]   (default build/native, RelWithDebInfo)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/native}")
precision_bound=" view3d "
host=$build/bin/pirogram-host
work=$build/memcheck
[ -x "$host" ] || { echo "memcheck: no host at $host" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "memcheck: valgrind is not installed" >&2; exit 2; }
rm -rf "$work"
mkdir -p "$work"

failed=0
# run NAME SCRIPT [HOST ARGS...]: leaves the exit status in rc, the time in seconds,
# and the result, as the scenario test writes it, in $work/NAME/actual.out.
run() {
  local name=$1 script=$2 start
  shift 2
  dir=$work/$name
  mkdir -p "$dir"
  start=$(date +%s)
  (cd "$dir" && valgrind --quiet --error-exitcode=99 --leak-check=full \
    --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
    --suppressions="$root/scripts/valgrind.supp" --num-callers=200 --log-file="$dir/valgrind.log" \
    "$host" "$@" "$script" >"$dir/stdout" 2>"$dir/stderr")
  rc=$?
  seconds=$(( $(date +%s) - start ))
  { cat "$dir/stdout"; [ -s "$dir/stderr" ] && { printf 'stderr: '; cat "$dir/stderr"; }; echo "exit: $rc"; } >"$dir/actual.out"
  if [ "$rc" -eq 99 ] || [ -s "$dir/valgrind.log" ]; then
    echo "memcheck $name: FAIL (valgrind found errors, ${seconds}s; see $dir/valgrind.log)"
    failed=$((failed + 1))
    return 1
  fi
}

total_start=$(date +%s)
for script in "$root"/tests/scenarios/*.pgs; do
  stem=$(basename "$script" .pgs)
  expected=$root/tests/scenarios/$stem.out
  args=()
  line=$(grep -m1 '^# args: ' "$script" || true)
  [ -n "$line" ] && read -r -a args <<<"${line#\# args: }"
  # As the scenario runner: notes only where the script asks for them.
  grep -qx '# notes: shown' "$script" || args=(--quiet "${args[@]}")
  run "$stem" "$script" "${args[@]}" || continue
  if cmp -s "$dir/actual.out" "$expected"; then
    echo "memcheck $stem: ok (exit $rc, ${seconds}s)"
  elif [[ $precision_bound == *" $stem "* ]] &&
       cmp -s <(grep -v '^compare ' "$dir/actual.out") <(grep -v '^compare ' "$expected"); then
    echo "memcheck $stem: ok (exit $rc, ${seconds}s; compare lines that 80-bit precision decides:"
    diff "$expected" "$dir/actual.out" | sed -n 's/^> /    /p'
    echo "  )"
  else
    echo "memcheck $stem: FAIL (output differs from $stem.out, ${seconds}s; see $dir/actual.out)"
    failed=$((failed + 1))
  fi
done

# Every part of the soak once over: 40 charts, 40 ticks, 4 editor rounds.
mkdir -p "$work/soak"
if "$root/scripts/soak_script.sh" "$host" 40 40 4 >"$work/soak/soak.pgs" && run soak "$work/soak/soak.pgs"; then
  if [ "$rc" -eq 0 ]; then
    echo "memcheck soak: ok ($(grep -c '^edit -> ' "$dir/stdout") editor runs, ${seconds}s)"
  else
    echo "memcheck soak: FAIL (host exit $rc, ${seconds}s; see $dir/stderr)"
    failed=$((failed + 1))
  fi
fi
echo "memcheck: $failed run(s) failed, $(( $(date +%s) - total_start ))s in all"
exit $(( failed > 100 ? 100 : failed ))
