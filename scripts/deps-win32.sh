#!/usr/bin/env bash
# Cross-builds the static libraries the Windows build links (libjpeg from Debian's
# source package) into build/deps/win32. Skips what is already built.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(pwd)/build/deps/win32
[ -f "$prefix/lib/libjpeg.a" ] && exit 0
work=$(pwd)/build/deps/src
mkdir -p "$work" "$prefix"
cd "$work"
if ! ls -d libjpeg-turbo-*/ >/dev/null 2>&1; then
  apt-get source --download-only libjpeg-turbo >/dev/null 2>&1
  dpkg-source -x --no-check libjpeg-turbo_*.dsc >/dev/null
fi
src=$(ls -d "$work"/libjpeg-turbo-*/ | head -n 1)
cmake -S "$src" -B "$work/libjpeg-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$(cd ../../.. && pwd)/cmake/toolchain-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 -DWITH_JPEG8=0 \
  -DCMAKE_CROSSCOMPILING_EMULATOR="" -Wno-dev >/dev/null
cmake --build "$work/libjpeg-build" -j "$(nproc)" >/dev/null
cmake --install "$work/libjpeg-build" >/dev/null
