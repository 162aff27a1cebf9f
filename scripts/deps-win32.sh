#!/usr/bin/env bash
# Cross-builds the static libraries a Windows build links (libjpeg from Debian's
# source package) into build/deps/<target>.
#   scripts/deps-win32.sh [win32|win64]   (default win32: the 32-bit product)
# Skips what is already built.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-win32}
case "$target" in
  win32) toolchain=toolchain-mingw32.cmake ;;
  win64) toolchain=toolchain-mingw64.cmake ;;
  *) echo "usage: $0 [win32|win64]" >&2; exit 2 ;;
esac
root=$(pwd)
prefix=$root/build/deps/$target
[ -f "$prefix/lib/libjpeg.a" ] && exit 0
work=$root/build/deps/src
mkdir -p "$work" "$prefix"
cd "$work"
if ! ls -d libjpeg-turbo-*/ >/dev/null 2>&1; then
  apt-get source --download-only libjpeg-turbo >/dev/null 2>&1
  dpkg-source -x --no-check libjpeg-turbo_*.dsc >/dev/null
fi
src=$(ls -d "$work"/libjpeg-turbo-*/ | head -n 1)
cmake -S "$src" -B "$work/libjpeg-$target" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 -DWITH_JPEG8=0 \
  -DCMAKE_CROSSCOMPILING_EMULATOR="" -Wno-dev >/dev/null
cmake --build "$work/libjpeg-$target" -j "$(nproc)" >/dev/null
cmake --install "$work/libjpeg-$target" >/dev/null
