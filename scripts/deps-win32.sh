#!/usr/bin/env bash
# Cross-builds the static libraries the Windows build links (libjpeg, zlib and
# libpng, each from Debian's source package) into a prefix. Skips what is built.
#   scripts/deps-win32.sh [TOOLCHAIN_FILE PREFIX]
# defaults to the 32-bit toolchain (cmake/toolchain-mingw32.cmake) and build/deps/win32.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
toolchain=$(realpath "${1:-$root/cmake/toolchain-mingw32.cmake}")
prefix=$(realpath -m "${2:-$root/build/deps/win32}")
work=$root/build/deps/src
mkdir -p "$work" "$prefix"
# Each toolchain builds in its own folders beside the shared unpacked sources.
tag=$(basename "$prefix")

# Unpacks Debian's source package $1 once; prints its folder. Its copyright
# file and version go into PREFIX/notices/$1/: the release's third-party
# notices (scripts/notices.py) are taken from there.
source_of() {
  local package=$1 stem=$2 dir
  (
    cd "$work"
    if ! ls -d "$stem"-*/ >/dev/null 2>&1; then
      # The newest version the sources offer first; where its files cannot be
      # fetched (a security suite whose sources the mirror does not carry), the
      # next one down.
      if ! apt-get source --download-only "$package" >/dev/null 2>&1; then
        for v in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rV); do
          rm -f "${package}"_*
          apt-get source --download-only "$package=$v" >/dev/null 2>&1 && break
        done
      fi
      dpkg-source -x --no-check "$(ls "${package}"_*.dsc | head -n 1)" >/dev/null
    fi
  )
  dir=$(ls -d "$work/$stem"-*/ | head -n 1)
  mkdir -p "$prefix/notices/$package"
  cp "$dir/debian/copyright" "$prefix/notices/$package/copyright"
  dpkg-parsechangelog -l "$dir/debian/changelog" -S Version >"$prefix/notices/$package/version"
  echo "$dir"
}

# configure NAME SOURCE OPTIONS...: a build folder for the toolchain and prefix.
configure() {
  local name=$1 src=$2
  shift 2
  cmake -S "$src" -B "$work/$name-$tag" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DPG_WIN32_DEPS="$prefix" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="" -Wno-dev "$@" >/dev/null
}

# cmake_install NAME SOURCE OPTIONS...: configure, build and install into the prefix.
cmake_install() {
  configure "$@"
  cmake --build "$work/$1-$tag" -j "$(nproc)" >/dev/null
  cmake --install "$work/$1-$tag" >/dev/null
}

# Each source is looked up even when its library is built: that records its notice.
jsrc=$(source_of libjpeg-turbo libjpeg-turbo)
if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  cmake_install libjpeg "$jsrc" \
    -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 -DWITH_JPEG8=0
fi

zsrc=$(source_of zlib zlib)
if [ ! -f "$prefix/lib/libz.a" ]; then
  # The static library alone: Debian's sources drop the DLL's resource script.
  configure zlib "$zsrc"
  cmake --build "$work/zlib-$tag" -j "$(nproc)" --target zlibstatic >/dev/null
  mkdir -p "$prefix/include" "$prefix/lib"
  cp "$zsrc/zlib.h" "$work/zlib-$tag/zconf.h" "$prefix/include/"
  cp "$work/zlib-$tag/libzlibstatic.a" "$prefix/lib/libz.a"
fi

psrc=$(source_of libpng1.6 libpng1.6)
if [ ! -f "$prefix/lib/libpng.a" ]; then
  cmake_install libpng "$psrc" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.a"
fi
