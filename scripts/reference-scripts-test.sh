#!/usr/bin/env bash
# Runs every script the reference ships (examples/reference/*.pgs) through the
# host as an author would, each in a fresh process from an empty folder, and
# checks that it exits 0 and draws exactly the reference's picture.
#   scripts/reference-scripts-test.sh HOST REFERENCE_DIR WORK_DIR
set -euo pipefail
host=$(realpath "$1")
ref=$(cd "$2" && pwd)
work=$3
scripts="$ref/examples/reference"
[ -d "$scripts" ] || { echo "reference-scripts: no $scripts" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
count=0 failed=0
for script in "$scripts"/*.pgs; do
  stem=$(basename "$script" .pgs)
  run="$work/$stem"
  mkdir "$run"
  if ! (cd "$run" && "$host" "$script") >"$run.log" 2>&1; then
    echo "reference-scripts: $stem.pgs failed: $(tail -3 "$run.log")" >&2
    failed=$((failed + 1))
  elif ! cmp -s "$run/$stem.png" "$ref/img/$stem.png"; then
    echo "reference-scripts: $stem.pgs draws otherwise than the reference's img/$stem.png (kept in $run)" >&2
    failed=$((failed + 1))
  else
    rm -rf "$run" "$run.log"
  fi
  count=$((count + 1))
done
echo "reference-scripts: $count scripts, $failed failed"
[ "$count" -gt 0 ] && [ "$failed" -eq 0 ]
