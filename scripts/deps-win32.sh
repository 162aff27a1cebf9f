#!/usr/bin/env bash
# Cross-builds the static libraries the Windows build links (libjpeg, zlib,
# libpng, pixman and cairo, each from Debian's source package) into a prefix.
# Skips what is built.
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

# cairo's PDF surface over pixman, for the PDF files the module is to write on
# Windows too (not wired into the Windows build yet): only with PG_DEPS_CAIRO=1.
[ "${PG_DEPS_CAIRO:-0}" = 1 ] || exit 0
# Both come from their orig tarballs: Debian's patches to cairo's build system
# want an older automake, and pixman's Debian diff is not published beside its
# source.
# Their autotools builds (unlike pixman's meson build) mark nothing dllexport,
# so the module's DLL exports no more than its own functions.
orig_of() {
  local package=$1 stem=$2
  (
    cd "$work"
    if ! ls -d "$stem"-*/ >/dev/null 2>&1; then
      ls "${package}"_*.orig.tar.* >/dev/null 2>&1 || apt-get source --download-only "$package" >/dev/null 2>&1 || true
      tar -xf "$(ls "${package}"_*.orig.tar.* | head -n 1)"
    fi
  )
  ls -d "$work/$stem"-*/ | head -n 1
}

cc=$(sed -n 's/^set(CMAKE_C_COMPILER \(.*\))$/\1/p' "$toolchain")
host=${cc%-gcc*}
# autotools_install NAME SOURCE OPTIONS...: an out-of-tree static build for the
# toolchain, installed into the prefix.
autotools_install() {
  local name=$1 src=$2
  shift 2
  mkdir -p "$work/$name-$tag"
  (
    cd "$work/$name-$tag"
    CC=$cc CFLAGS="-O2 ${EXTRA_CFLAGS:-}" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
      PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" \
      "$src/configure" --host="$host" --prefix="$prefix" --enable-static --disable-shared "$@" >configure.log 2>&1
    make -j "$(nproc)" -C "${SUBDIR:-.}" >make.log 2>&1
    make -C "${SUBDIR:-.}" install >install.log 2>&1
  )
}

if [ ! -f "$prefix/lib/libpixman-1.a" ]; then
  # Plain C: the SIMD paths only speed up compositing, which PDF pages hardly use.
  # Only the library (pixman/), not its tests and demos.
  SUBDIR=pixman autotools_install pixman "$(orig_of pixman pixman)" --disable-gtk --disable-libpng --disable-openmp \
    --disable-mmx --disable-sse2 --disable-ssse3 --disable-vmx --disable-arm-simd --disable-arm-neon \
    --disable-arm-iwmmxt --disable-mips-dspr2 --disable-loongson-mmi
  # cairo's configure finds pixman through its pkg-config file.
  make -C "$work/pixman-$tag" install-pkgconfigDATA >/dev/null
fi

if [ ! -f "$prefix/lib/libcairo.a" ]; then
  # Only the library (src/): the test and tool folders need what is left out.
  EXTRA_CFLAGS="-DCAIRO_WIN32_STATIC_BUILD -Wp,-U_FORTIFY_SOURCE" SUBDIR=src \
    autotools_install cairo "$(orig_of cairo cairo)" --enable-win32 --enable-win32-font --enable-pdf \
    --disable-png --disable-ps --disable-svg --disable-fc --disable-ft --disable-xlib --disable-xcb \
    --disable-script --disable-pthread --disable-gobject --disable-trace --disable-interpreter \
    --disable-quartz --disable-gl --disable-egl --disable-glx --disable-wgl
fi
