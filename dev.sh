#!/usr/bin/env bash
# One entry point for developers and CI.
#   ./dev.sh demo   set up, build both targets, run the examples with the reference host
#   ./dev.sh test   set up, build both targets and a sanitized native build, run every test
#                   (native, native under ASan/UBSan, Windows under Wine)
#   ./dev.sh build  set up and build both targets
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
jobs=$(nproc)

setup() {
  if [ "$(id -u)" -eq 0 ]; then
    ./scripts/setup.sh
  else
    ./scripts/setup.sh || true
  fi
  ./scripts/deps-win32.sh
}

build_native() {
  cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/native -j "$jobs"
}

build_win32() {
  cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" \
    -DPG_WIN32_DEPS="$root/build/deps/win32" >/dev/null
  cmake --build build/win32 -j "$jobs"
}

# The native suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
build_sanitized() {
  cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPG_SANITIZE=ON >/dev/null
  cmake --build build/asan -j "$jobs"
}

build() {
  setup
  build_native
  build_win32
}

# Windows programs that open windows need a display.
start_display() {
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    local n=99
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'WINEPREFIX="$root/build/wineprefix" wineserver -k 2>/dev/null || true; sleep 0.5; kill $xvfb_pid 2>/dev/null || true' EXIT
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  export WINEPREFIX="$root/build/wineprefix"
}

run_tests() {
  start_display
  echo "== native tests"
  ctest --test-dir build/native --output-on-failure -j "$jobs"
  echo "== native tests with sanitizers"
  LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/asan --output-on-failure -j "$jobs"
  echo "== Windows tests under Wine"
  ctest --test-dir build/win32 --output-on-failure -j "$jobs"
}

demo() {
  start_display
  mkdir -p out/win32
  for script in examples/*.pgs; do
    echo "== $script (native; pictures in out/)"
    (cd out && "$root/build/native/bin/pirogram-host" "$root/$script")
    echo "== $script (Windows, under Wine; pictures in out/win32/)"
    (cd out/win32 && "$root/scripts/wine-run.sh" "$root/build/win32/bin/pirogram-host.exe" "$root/$script")
  done
}

case "${1:-}" in
  build) build ;;
  test) build; build_sanitized; run_tests ;;
  demo) build; demo ;;
  *) echo "usage: $0 demo|test|build" >&2; exit 2 ;;
esac
