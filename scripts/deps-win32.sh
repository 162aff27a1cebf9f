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

# cairo's PDF surface and Windows font backend over pixman: the PDF files the
# module writes. About ten minutes a toolchain on two cores, configure included.
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
# toolchain, installed into the prefix. NDEBUG: a failed internal assertion in a
# library must not abort the host that loaded the module (nor leave the build's
# paths in it).
autotools_install() {
  local name=$1 src=$2
  shift 2
  mkdir -p "$work/$name-$tag"
  (
    cd "$work/$name-$tag"
    CC=$cc CFLAGS="-O2 -DNDEBUG ${EXTRA_CFLAGS:-}" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
      PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH="" \
      "$src/configure" --host="$host" --prefix="$prefix" --enable-static --disable-shared "$@" >configure.log 2>&1
    make -j "$(nproc)" -C "${SUBDIR:-.}" >make.log 2>&1
    make -C "${SUBDIR:-.}" install >install.log 2>&1
  )
}

# notice_of PACKAGE COPYRIGHT VERSION: the notice of a library built from an
# orig tarball, as source_of records it for the others.
notice_of() {
  mkdir -p "$prefix/notices/$1"
  cp "$2" "$prefix/notices/$1/copyright"
  echo "$3" >"$prefix/notices/$1/version"
}

# pixman's copyright is the one Debian's own pixman package installs (the native
# build's cairo needs it); its version must be the source's.
pixman_version=$(apt-cache showsrc pixman | sed -n 's/^Version: //p' | sort -rV | head -n 1)
[ "$(dpkg-query -W -f='${Version}' libpixman-1-0 2>/dev/null)" = "$pixman_version" ] || {
  echo "libpixman-1-0 $pixman_version is not installed (scripts/setup.sh installs it)" >&2
  exit 1
}
notice_of pixman /usr/share/doc/libpixman-1-0/copyright "$pixman_version"
csrc=$(orig_of cairo cairo)
(
  cd "$work"
  tar -xOf "$(ls cairo_*.debian.tar.* | head -n 1)" debian/copyright >cairo.copyright
  tar -xOf "$(ls cairo_*.debian.tar.* | head -n 1)" debian/changelog >cairo.changelog
)
notice_of cairo "$work/cairo.copyright" "$(dpkg-parsechangelog -l "$work/cairo.changelog" -S Version)"

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
    autotools_install cairo "$csrc" --enable-win32 --enable-win32-font --enable-pdf \
    --disable-png --disable-ps --disable-svg --disable-fc --disable-ft --disable-xlib --disable-xcb \
    --disable-script --disable-pthread --disable-gobject --disable-trace --disable-interpreter \
    --disable-quartz --disable-gl --disable-egl --disable-glx --disable-wgl
fi
