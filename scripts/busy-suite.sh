#!/usr/bin/env bash
# The whole Windows suite, ROUNDS times in a row, with a CPU hog on every core
# beside it: tests that count ticks instead of waiting for what they test fail
# here. Prints each round's failures and the total; exits 1 on any failure.
#   scripts/busy-suite.sh WINDOWS_BUILD [ROUNDS]   (needs a display)
set -euo pipefail
build=$1
rounds=${2:-5}
cores=$(nproc)
hogs=()
stop_hogs() { [ ${#hogs[@]} -eq 0 ] || kill "${hogs[@]}" 2>/dev/null || true; }
trap stop_hogs EXIT
for _ in $(seq "$cores"); do
  (while :; do :; done) &
  hogs+=($!)
done
echo "$cores CPU hogs running beside the suite"
failures=0
for round in $(seq "$rounds"); do
  start=$SECONDS
  log=$(mktemp)
  if ctest --test-dir "$build" -j 2 --timeout 600 >"$log" 2>&1; then
    echo "round $round: all passed ($((SECONDS - start)) s)"
  else
    failures=$((failures + 1))
    echo "round $round: FAILED ($((SECONDS - start)) s)"
    # The failed tests, and the test cases inside them that failed.
    grep -E '^\s+[0-9]+ - ' "$log" || tail -20 "$log"
    grep -h '\[  FAILED  \]' "$build"/Testing/Temporary/LastTest.log 2>/dev/null | sort -u || true
  fi
  rm -f "$log"
done
echo "$rounds rounds with $cores hogs: $failures failed"
[ $failures -eq 0 ]
