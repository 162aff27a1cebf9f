#!/usr/bin/env bash
# One entry point for developers and CI.
#   ./dev.sh demo   set up, build natively and draw the first chart (its path printed),
#                   then build the Windows tree this machine can run (32-bit where
#                   32-bit programs and 32-bit Wine run, else 64-bit) and run the
#                   examples with the reference host natively and under Wine
#   ./dev.sh test   set up, build and a sanitized native build, run every test (native,
#                   native under ASan/UBSan, the scenarios under valgrind memcheck, the
#                   64-bit Windows suite under 64-bit Wine, the editors again under code pages
#                   1252 and 932, the 32-bit suite under 32-bit Wine where 32-bit programs
#                   run, else only the 32-bit DLL's static checks)
#   ./dev.sh dist   set up, build the native and 32-bit Windows trees, write and check
#                   dist/Pirogram-<version>-win32.zip,
#                   dist/pirogram-<version>-linux-x86_64.tar.gz and the Debian package
#                   dist/pirogram_<version>_amd64.deb
#   ./dev.sh build  set up and build the native, 32-bit and 64-bit Windows trees
#   ./dev.sh soak   set up, build, run the soak script natively and under Wine
#   ./dev.sh busy [N] build, run the Windows suite N (5) times beside a CPU hog on every core
#   ./dev.sh memcheck  set up, build natively, run every scenario under valgrind's memcheck
#   ./dev.sh bench [--peer]  set up, build the benchmarks (build/bench), run them and
#                   print the table; --peer also times the matplotlib pie and the cairo peer
#   ./dev.sh fuzz SECONDS  set up, build the libFuzzer targets with clang, run each for SECONDS
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
jobs=$(nproc)

# "== what" with the seconds since dev.sh started, so a log shows each phase's time.
phase() { echo "== $* (at ${SECONDS}s)"; }

# Whether 32-bit Windows programs run here: the kernel runs 32-bit code and
# 32-bit Wine is installed (PG_NO_32BIT=1 says no anywhere). Decided again after
# the set-up, which may have had to leave 32-bit Wine out.
decide_32bit() {
  if no32_reason=$(./scripts/runs-32bit.sh); then can32=1; else can32=0; fi
}
decide_32bit

setup() {
  if [ "$(id -u)" -eq 0 ]; then
    ./scripts/setup.sh
  else
    ./scripts/setup.sh || true
  fi
  decide_32bit
}

# build_native [TARGET...]: the whole native tree, or only the targets named.
build_native() {
  cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/native -j "$jobs" ${1:+--target "$@"}
}

# build_windows win32|win64 [TARGET...]: the 32-bit product or the 64-bit test
# vehicle, whole or only the targets named.
build_windows() {
  local target=$1 toolchain=toolchain-mingw32.cmake
  shift
  [ "$target" = win64 ] && toolchain=toolchain-mingw64.cmake
  ./scripts/deps-win32.sh "cmake/$toolchain" "build/deps/$target"
  cmake -S . -B "build/$target" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
    -DPG_WIN32_DEPS="$root/build/deps/$target" >/dev/null
  cmake --build "build/$target" -j "$jobs" ${1:+--target "$@"}
}
# What the demo and the release need of a tree: the module and the host (natively
# also the reference, which the release packs).
host_targets=(Pirogram pirogram-host)

# The native suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
build_sanitized() {
  cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPG_SANITIZE=ON >/dev/null
  cmake --build build/asan -j "$jobs"
}

build() {
  setup
  phase "set up"
  build_native
  build_windows win32
  build_windows win64
}

# The line that says what a missing capability left out; never silent.
say_32bit() {
  if [ $can32 -eq 1 ]; then
    echo "== this machine runs 32-bit programs: the 32-bit Windows build runs under 32-bit Wine"
  else
    echo "== 32-bit Windows programs SKIPPED: $no32_reason; the 64-bit Windows build" \
      "runs under 64-bit Wine instead (tests: the 32-bit DLL gets its static checks only)"
  fi
}

# Windows programs that open windows need a display.
start_display() {
  xvfb_pid=""
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    local n=99
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  trap 'stop_wine; sleep 0.5; [ -z "$xvfb_pid" ] || kill $xvfb_pid 2>/dev/null || true' EXIT
  export WINEPREFIX="$root/build/wineprefix" WINEPREFIX64="$root/build/wineprefix64"
}

stop_wine() {
  WINEPREFIX="$root/build/wineprefix64" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  WINEPREFIX="$root/build/wineprefix" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
}

# The whole Windows suite again on an English (1252) and a Japanese (932)
# Windows. en_US.UTF-8, not C, for 1252: Wine names Linux files in the
# locale's own character set, and C's has no Cyrillic, so no Cyrillic file
# name could be saved there at all (Windows itself names files in UTF-16).
windows_suite_in_code_pages() {
  local build=$1 jobs=$2 pair
  for pair in en_US.UTF-8:1252 ja_JP.UTF-8:932; do
    echo "-- code page ${pair##*:} (${pair%%:*})"
    PG_WINE_LOCALE=${pair%%:*} PG_EXPECTED_ACP=${pair##*:} \
      ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 600
  done
}

run_tests() {
  start_display
  phase "native tests"
  ctest --test-dir build/native --output-on-failure -j "$jobs"
  phase "native tests with sanitizers"
  LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/asan --output-on-failure -j "$jobs"
  phase "host-level scenarios under valgrind memcheck"
  memcheck
  # A Windows program that crashes under Wine waits in Wine's debugger: the
  # timeout turns that into a failed test.
  phase "64-bit Windows tests under 64-bit Wine"
  ctest --test-dir build/win64 --output-on-failure -j "$jobs" --timeout 600
  phase "64-bit Windows tests under system code pages 1252 and 932"
  windows_suite_in_code_pages build/win64 "$jobs"
  # The editors on systems whose code page is not Cyrillic: 1252 (C) and 932
  # (ja_JP), against 1251, natively and on the 64-bit Windows build.
  phase "editors under system code pages 1252 and 932 (native and 64-bit Windows)"
  ./scripts/editor-codepages.sh build/native build/win64 scripts/wine64-run.sh build/editor-codepages/win64
  phase "native and 64-bit Windows hosts compared"
  ./scripts/compare-builds.sh build/native build/win64 scripts/wine64-run.sh
  phase "EMF and SVG files of the native and 64-bit Windows builds compared"
  ./scripts/compare-exports.sh build/native build/win64 scripts/wine64-run.sh
  phase "bitmaps, icons and JPEGs from real tools: native and 64-bit Windows pictures compared"
  ./scripts/bitmap-corpus.sh build/native build/win64 scripts/wine64-run.sh out/bitmap-corpus
  phase "saves under a full disk, hard links, a file-size limit and kill -9 (native and 64-bit Windows)"
  ./scripts/save-faults.sh --native-build build/native --windows-build build/win64
  # Real metafiles (Inkscape's exports, GDI's own recordings) on both builds; the
  # EMFs 64-bit Wine draws wrongly against their source drawings. Below its
  # targets (a median of 95 % per format, every file at 85 %) the run fails.
  phase "picture corpus: native against GDI under 64-bit Wine"
  ./scripts/picture-corpus.sh build/picture-corpus build/win64 scripts/wine64-run.sh
  ./scripts/compare-corpus.sh build/native build/win64 scripts/wine64-run.sh build/picture-corpus \
    build/compare-corpus --strict
  say_32bit
  if [ $can32 -eq 1 ]; then
    phase "32-bit Windows tests under 32-bit Wine"
    # One test at a time: two 32-bit Wine programs with windows and dialogs at once
    # have been seen to wait on each other for ever.
    ctest --test-dir build/win32 --output-on-failure -j 1 --timeout 600
    phase "32-bit Windows tests under system code pages 1252 and 932"
    windows_suite_in_code_pages build/win32 1
    phase "editors under system code pages 1252 and 932 (32-bit Windows)"
    ./scripts/editor-codepages.sh build/native build/win32 scripts/wine-run.sh build/editor-codepages/win32
    phase "native and 32-bit Windows hosts compared"
    ./scripts/compare-builds.sh build/native build/win32 scripts/wine-run.sh
  else
    phase "32-bit Windows DLL: static checks (no 32-bit program runs)"
    ctest --test-dir build/win32 --output-on-failure -L static
  fi
  echo "== Windows suites run: 64-bit$([ $can32 -eq 1 ] && echo ", 32-bit" || echo "; 32-bit skipped ($no32_reason)")"
}

# The Windows tree the demo and the soak run: 32-bit where it can run.
runnable_target() { if [ $can32 -eq 1 ]; then echo win32; else echo win64; fi; }

# A newcomer's first picture, as soon as the native build exists.
first_chart() {
  mkdir -p out
  (cd out && "$root/build/native/bin/pirogram-host" "$root/examples/first.pgs")
  echo "== your first chart: $root/out/first.png (the Windows build comes next)"
}

demo() {
  start_display
  local target runner=wine-run.sh
  target=$(runnable_target)
  [ "$target" = win64 ] && runner=wine64-run.sh
  say_32bit
  mkdir -p "out/$target"
  for script in examples/*.pgs; do
    echo "== $script (native; pictures in out/)"
    (cd out && "$root/build/native/bin/pirogram-host" "$root/$script")
    echo "== $script ($target Windows build under Wine; pictures in out/$target/)"
    (cd "out/$target" && "$root/scripts/$runner" "$root/build/$target/bin/pirogram-host.exe" "$root/$script")
  done
}

# Each libFuzzer target in turn for the given seconds, on a scratch copy of its
# seed corpus (fuzz/corpus/<target>); any crash, leak, hang or sanitizer report
# fails. The action target works in a scratch folder holding the test pictures.
fuzz() {
  local seconds=$1
  if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then echo "usage: $0 fuzz SECONDS" >&2; exit 2; fi
  setup
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_PROJECT_Pirogram_INCLUDE="$root/fuzz/fuzz_build.cmake" >/dev/null
  cmake --build build/fuzz -j "$jobs" --target fuzzers
  local run="$root/build/fuzz/run" failed=()
  rm -rf "$run"
  mkdir -p "$run/work" "$run/findings"
  cp tests/data/pictures/*.bmp tests/data/pictures/*.ico tests/data/pictures/*.emf tests/data/pictures/*.wmf \
    examples/pictures/* "$run/work/"
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  for target in params pictures actions; do
    echo "== fuzz_$target for ${seconds}s"
    mkdir -p "$run/corpus/$target"
    cp fuzz/corpus/$target/* "$run/corpus/$target/"
    local dict=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="$root/fuzz/$target.dict")
    if ! (cd "$run/work" && "$root/build/fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=25 \
          -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$run/findings/$target-" "${dict[@]}" \
          "$run/corpus/$target"); then
      failed+=("$target")
    fi
  done
  if [ ${#failed[@]} -gt 0 ] || [ -n "$(ls -A "$run/findings")" ]; then
    echo "fuzz: findings in ${failed[*]:-?}; inputs kept in $run/findings" >&2
    exit 1
  fi
  echo "fuzz: no findings"
}

# Benchmarks of the portable build, three repetitions each (medians reported);
# pictures of what the timed paints drew and the JSON land in out/bench/.
bench() {
  setup
  cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPG_BENCH=ON >/dev/null
  cmake --build build/bench -j "$jobs" --target pg_bench pg_cairo_peer
  mkdir -p out/bench
  build/bench/bin/pg_bench --pictures out/bench --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true \
    --benchmark_out=out/bench/pirogram.json --benchmark_out_format=json
  # The flat chart against the 3D one, their repetitions interleaved at random
  # so that the machine's drift falls on both alike.
  build/bench/bin/pg_bench --benchmark_filter='^repaint/standard_(3d|flat)$' --benchmark_repetitions=9 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_out=out/bench/flat_vs_3d.json --benchmark_out_format=json >/dev/null
  local peer=()
  if [ "${1:-}" = "--peer" ]; then
    # Debian's python3 with its matplotlib, not whatever python3 is first on PATH.
    /usr/bin/python3 bench/peer/matplotlib_pie.py --picture out/bench/peer.png >out/bench/peer.json
    build/bench/bin/pg_cairo_peer --picture out/bench/peer_cairo.png >out/bench/peer_cairo.json
    peer=(out/bench/peer.json out/bench/peer_cairo.json)
  fi
  echo "== benchmark table (medians of 3)"
  /usr/bin/python3 bench/report.py out/bench/pirogram.json --pair out/bench/flat_vs_3d.json "${peer[@]}"
}

# Charts created, rolled and edited thousands of times with the memory checked at
# checkpoints; under Wine fewer ticks, as each one waits its 150 ms.
soak() {
  start_display
  local target
  target=$(runnable_target)
  say_32bit
  ./scripts/soak.sh --native-build build/native --windows-build "build/$target" --ticks 10000 --wine-ticks 200
}

memcheck() {
  ./scripts/memcheck.sh build/native
}

# The Windows suite five times with every core busy beside it.
busy() {
  start_display
  local target
  target=$(runnable_target)
  say_32bit
  ./scripts/busy-suite.sh "build/$target" "${1:-5}"
}

case "${1:-}" in
  build) build ;;
  test) build; phase "built native, 32-bit and 64-bit Windows"; build_sanitized; phase "built native with sanitizers"
    run_tests; phase "all tests done" ;;
  demo) setup; phase "set up"; build_native "${host_targets[@]}"; first_chart
    build_windows "$(runnable_target)" "${host_targets[@]}"; demo ;;
  dist) setup; phase "set up"; build_native "${host_targets[@]}" pg_platform reference
    build_windows win32 "${host_targets[@]}"
    ./scripts/dist.sh build/native build/win32 dist; ./scripts/deb.sh build/native dist ;;
  fuzz) fuzz "${2:-}" ;;
  bench) bench "${2:-}" ;;
  soak) build; soak ;;
  memcheck) setup; build_native; memcheck ;;
  busy) build; busy "${2:-}" ;;
  *) echo "usage: $0 demo|test|dist|build|fuzz SECONDS|bench [--peer]|soak|memcheck|busy [ROUNDS]" >&2; exit 2 ;;
esac
