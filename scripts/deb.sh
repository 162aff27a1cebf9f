#!/usr/bin/env bash
# Builds the Debian package of the Linux build with Debian's own tools and checks
# it with lintian:
#   OUT/pirogram_<version>_<arch>.deb
#     /usr/lib/pirogram/        pirogram-host, Pirogram.so, libpgplatform.so (run
#                               paths $ORIGIN: the same tree as the tarball)
#     /usr/bin/pirogram-host    a link to it (the host finds its module beside
#                               the real program)
#     /usr/share/doc/pirogram/  examples/, reference/, copyright, changelog.gz,
#                               THIRD-PARTY-NOTICES.txt (the system packages the
#                               binaries load: scripts/linux-notices.sh)
#     /usr/share/man/man1/pirogram-host.1.gz
# Depends: what dpkg-shlibdeps finds the binaries need, and the fonts the
# portable platform maps the Windows faces to.
#   scripts/deb.sh NATIVE_BUILD OUT
# PG_MAINTAINER overrides the maintainer field.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$native/CMakeCache.txt")
arch=$(dpkg --print-architecture)
maintainer=${PG_MAINTAINER:-Pirogram developers <pirogram@example.org>}
fonts=fonts-liberation
libdir=/usr/lib/pirogram
deb="$out/pirogram_${version}_${arch}.deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "deb: $*" >&2; exit 1; }

# The release's date, from the last commit: the same sources give the same package.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}
date=$(date -u -R -d "@$SOURCE_DATE_EPOCH")
fill() {
  sed -e "s/@VERSION@/$version/g" -e "s/@ARCH@/$arch/g" -e "s|@LIBDIR@|$libdir|g" \
    -e "s/@MAINTAINER@/$maintainer/g" -e "s/@DATE@/$date/g" "$@"
}

pkg=$work/pkg
doc=$pkg/usr/share/doc/pirogram
cmake --install "$native" --prefix "$pkg$libdir" --strip >/dev/null
mkdir -p "$doc" "$pkg/usr/bin" "$pkg/usr/share/man/man1" "$pkg/DEBIAN"
mv "$pkg$libdir/examples" "$pkg$libdir/reference" "$doc/"
ln -s "../lib/pirogram/pirogram-host" "$pkg/usr/bin/pirogram-host"
fill "$root/packaging/pirogram-host.1" | gzip -9n >"$pkg/usr/share/man/man1/pirogram-host.1.gz"
fill "$root/packaging/debian/changelog.in" | gzip -9n >"$doc/changelog.gz"
cp "$root/packaging/debian/copyright" "$doc/copyright"
"$root/scripts/linux-notices.sh" "$native" "$version" "$doc/THIRD-PARTY-NOTICES.txt" ||
  fail "no third-party notices for the Linux binaries (reason above)"
find "$pkg" -type d -exec chmod 0755 {} +
find "$pkg" -type f -exec chmod 0644 {} +
chmod 0755 "$pkg$libdir/pirogram-host"

# dpkg-shlibdeps reads the package's name from a debian/control of its own.
mkdir -p "$work/src/debian"
printf 'Source: pirogram\nMaintainer: %s\n\nPackage: pirogram\nArchitecture: any\n' "$maintainer" \
  >"$work/src/debian/control"
# The platform library is the package's own: its unversioned name draws a warning.
shlibs=$(cd "$work/src" && dpkg-shlibdeps -O -S"$pkg" \
  "$pkg$libdir/pirogram-host" "$pkg$libdir/Pirogram.so" "$pkg$libdir/libpgplatform.so" 2>"$work/shlibdeps.err" |
  sed -n 's/^shlibs:Depends=//p')
grep -v "from library name 'libpgplatform.so'" "$work/shlibdeps.err" >&2 || true
[ -n "$shlibs" ] || fail "dpkg-shlibdeps found no dependencies"
size=$(du -s -k --apparent-size "$pkg/usr" | cut -f1)
fill "$root/packaging/debian/control.in" | sed -e "s/@SIZE@/$size/" -e "s/@DEPENDS@/$shlibs, $fonts/" \
  >"$pkg/DEBIAN/control"
(cd "$pkg" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$pkg/DEBIAN/md5sums"
chmod 0644 "$pkg/DEBIAN/control" "$pkg/DEBIAN/md5sums"

rm -f "$deb"
dpkg-deb --root-owner-group -Zxz --build "$pkg" "$deb" >/dev/null
lintian --fail-on error "$deb" \
  >"$work/lintian.txt" 2>&1 || fail "lintian finds errors in $deb: $(cat "$work/lintian.txt")"
echo "deb: $deb (Depends: $shlibs, $fonts)"
grep -v '^N:\|root privileges' "$work/lintian.txt" | sed 's/^/deb: lintian: /' || true
