#!/usr/bin/env bash
# Packs a release from a native and a Windows build tree, then checks both archives:
#   OUT/Pirogram-<version>-win32.zip             the 32-bit DLL, the reference, ПРОЧТИ.txt
#                                                (code page 1251) and README.txt (UTF-8)
#   OUT/pirogram-<version>-linux-x86_64.tar.gz   module, platform library, host, examples,
#                                                reference, README.txt; runs wherever unpacked
# Each archive must hold exactly its files, and the unpacked Linux host must run
# examples/demo.pgs from a fresh folder with no environment at all.
#   scripts/dist.sh NATIVE_BUILD WIN32_BUILD OUT
# Exit status 77: the Windows build has no DLL yet.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(cd "$1" && pwd)
win32=$2
out=$3
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$native/CMakeCache.txt")
dll="$win32/bin/Pirogram.nbp"
if [ ! -f "$dll" ]; then
  echo "dist: no $dll; build the Windows target first" >&2
  exit 77
fi
if [ -z "$version" ] || [ ! -f "$native/reference/index.html" ]; then
  echo "dist: $native is no finished native build (version, reference)" >&2
  exit 1
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

lin="pirogram-$version-linux-x86_64"
win="Pirogram-$version-win32"
text() { sed "s/@VERSION@/$version/g" "$root/packaging/$1"; }
crlf() { sed 's/$/\r/'; }

# Linux: the installed tree, whose run paths are $ORIGIN alone; no debugging data.
cmake --install "$native" --prefix "$work/stage/$lin" --strip >/dev/null
text README.txt >"$work/stage/$lin/README.txt"
rm -f "$out/$lin.tar.gz"
tar -C "$work/stage" --sort=name --owner=0 --group=0 --numeric-owner -czf "$out/$lin.tar.gz" "$lin"

# Windows: the DLL without debugging data (its exports and resources stay), its
# texts in the system's code page and line ends.
mkdir -p "$work/stage/$win"
i686-w64-mingw32-strip --strip-debug -o "$work/stage/$win/Pirogram.nbp" "$dll"
cp -r "$native/reference" "$work/stage/$win/reference"
text ПРОЧТИ.txt | iconv -f UTF-8 -t CP1251 | crlf >"$work/stage/$win/ПРОЧТИ.txt"
text README.txt | crlf >"$work/stage/$win/README.txt"
rm -f "$out/$win.zip"
(cd "$work/stage" && zip -qrX "$out/$win.zip" "$win")

# The checks.
fail() { echo "dist: $*" >&2; exit 1; }
reference=$(cd "$native/reference" && find . -type f | sed 's|^\./|reference/|' | sort)
examples=$(cd "$root/examples" && find . -type f | sed 's|^\./|examples/|' | sort)
want_lin=$(printf '%s\n' Pirogram.so README.txt libpgplatform.so pirogram-host "$examples" "$reference" |
  sed "s|^|$lin/|" | sort)
got_lin=$(tar -tzf "$out/$lin.tar.gz" | grep -v '/$' | sort)
[ "$got_lin" = "$want_lin" ] || fail "$lin.tar.gz holds other files: $(diff <(echo "$want_lin") <(echo "$got_lin") || true)"
want_win=$(printf '%s\n' Pirogram.nbp README.txt ПРОЧТИ.txt "$reference" | sed "s|^|$win/|" | sort)
got_win=$(unzip -Z1 "$out/$win.zip" | grep -v '/$' | sort)
[ "$got_win" = "$want_win" ] || fail "$win.zip holds other files: $(diff <(echo "$want_win") <(echo "$got_win") || true)"
mkdir "$work/zipped"
unzip -q "$out/$win.zip" "$win/Pirogram.nbp" -d "$work/zipped"
zipped="$work/zipped/$win/Pirogram.nbp"
i686-w64-mingw32-objdump -f "$zipped" | grep -q 'file format pei-i386' || fail "Pirogram.nbp is not a 32-bit DLL"
exports() { i686-w64-mingw32-objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p'; }
[ "$(exports "$zipped")" = "$(exports "$dll")" ] && [ -n "$(exports "$dll")" ] ||
  fail "the zip's Pirogram.nbp does not export what the build's does"
cmake -DDLL="$zipped" -DWINDRES=i686-w64-mingw32-windres -DVERSION="$version" \
  -P "$root/cmake/check_version_resource.cmake" >/dev/null || fail "the zip's Pirogram.nbp lost its version resource"
unzip -p "$out/$win.zip" "$win/ПРОЧТИ.txt" | iconv -f CP1251 -t UTF-8 | grep -q 'Куда положить файл' ||
  fail "ПРОЧТИ.txt is not in code page 1251"

mkdir "$work/unpacked" "$work/run"
tar -C "$work/unpacked" -xzf "$out/$lin.tar.gz"
top="$work/unpacked/$lin"
for f in pirogram-host Pirogram.so libpgplatform.so; do
  runpath=$(readelf -d "$top/$f" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
  [ "$runpath" = '$ORIGIN' ] || fail "$f has the run path '$runpath', not \$ORIGIN"
done
(cd "$work/run" && env -i "$top/pirogram-host" "$top/examples/demo.pgs") >"$work/demo.log" 2>&1 ||
  fail "the unpacked host failed on examples/demo.pgs: $(cat "$work/demo.log")"
for p in demo_3d demo_flat demo_rotated demo_deeper demo_rolled demo_hidden; do
  [ -s "$work/run/$p.png" ] || fail "the unpacked demo drew no $p.png"
done
env -i "$top/pirogram-host" --version | grep -qx "module .*Pirogram.so $version" ||
  fail "the unpacked host does not report the module's version $version"
echo "dist: $out/$win.zip ($(echo "$got_win" | wc -l) files)"
echo "dist: $out/$lin.tar.gz ($(echo "$got_lin" | wc -l) files; the demo runs from a fresh folder)"
