#!/usr/bin/env bash
# Packs a release from a native and a Windows build tree, then checks it:
#   OUT/Pirogram-<version>-win32.zip             the 32-bit DLL, the 32-bit reference host,
#                                                examples, the reference, ПРОЧТИ.txt and
#                                                README.txt (UTF-8 with a byte order mark)
#   OUT/pirogram-<version>-linux-x86_64.tar.gz   module, platform library, host, examples,
#                                                reference, README.txt about Linux; runs
#                                                wherever unpacked
# Each carries THIRD-PARTY-NOTICES.txt (scripts/notices.py): the notices of the
# libraries linked into its binaries, or the system packages they load; a
# library in a binary without a notice fails. Each archive must hold exactly its
# files, the zip's non-ASCII names carry the UTF-8 flag, the unpacked Linux host
# must run examples/demo.pgs from a fresh folder with no environment at all, and
# the quick start of the tarball's README.txt must run as written and draw its
# picture.
#   scripts/dist.sh NATIVE_BUILD WIN32_BUILD OUT
# Exit status 77: the Windows build has no DLL yet.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(cd "$1" && pwd)
win32=$2
out=$3
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$native/CMakeCache.txt")
dll="$win32/bin/Pirogram.nbp"
host_exe="$win32/bin/pirogram-host.exe"
if [ ! -f "$dll" ] || [ ! -f "$host_exe" ]; then
  echo "dist: no $dll or $host_exe; build the Windows target first" >&2
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
fail() { echo "dist: $*" >&2; exit 1; }

lin="pirogram-$version-linux-x86_64"
win="Pirogram-$version-win32"
text() { sed "s/@VERSION@/$version/g" "$root/packaging/$1"; }
crlf() { sed 's/$/\r/'; }

# Linux: the installed tree, whose run paths are $ORIGIN alone; no debugging data.
cmake --install "$native" --prefix "$work/stage/$lin" --strip >/dev/null
binaries=("$work/stage/$lin/pirogram-host" "$work/stage/$lin/Pirogram.so" "$work/stage/$lin/libpgplatform.so")
# What the README says the binaries need, read from them: the newest glibc and
# libstdc++ symbol versions, the libraries they load and the Debian packages
# that hold those (written with the notices, from the same reading).
newest() { objdump -T "${binaries[@]}" | grep -o "$1_[0-9.]*" | sed "s/^$1_//" | sort -V | tail -n 1; }
glibc=$(newest GLIBC)
glibcxx=$(newest GLIBCXX)
"$root/scripts/linux-notices.sh" "$native" "$version" "$work/stage/$lin/THIRD-PARTY-NOTICES.txt" \
  "$work/packages" || fail "no third-party notices for the Linux binaries (reason above)"
packages=$(cut -d' ' -f2 "$work/packages" | sort -u | tr '\n' ' ')
libraries=$(cut -d' ' -f1 "$work/packages" | sort -u | paste -sd, | sed 's/,/, /g')
[ -n "$packages" ] || fail "no package holds the binaries' libraries"
# The line "    @LIBRARIES@" becomes the list, folded to the README's width.
LIBRARIES=$(echo "$libraries" | fold -s -w 72 | sed 's/^/    /; s/ *$//')
export LIBRARIES
text linux/README.txt | sed -e "s/@GLIBC@/$glibc/" -e "s/@GLIBCXX@/$glibcxx/" \
  -e "s/@APT_PACKAGES@/${packages}fonts-liberation/" |
  awk '$0 == "    @LIBRARIES@" { print ENVIRON["LIBRARIES"]; next } { print }' >"$work/stage/$lin/README.txt"
rm -f "$out/$lin.tar.gz"
tar -C "$work/stage" --sort=name --owner=0 --group=0 --numeric-owner -czf "$out/$lin.tar.gz" "$lin"

# Windows: the DLL and the reference host without debugging data (exports and
# resources stay). The texts are UTF-8 with a byte order mark and Windows line
# ends: every Notepad since XP reads that right, whatever the system's code page
# (code page 1251 shows garbage on any non-Russian Windows).
mkdir -p "$work/stage/$win"
i686-w64-mingw32-strip --strip-debug -o "$work/stage/$win/Pirogram.nbp" "$dll"
i686-w64-mingw32-strip --strip-debug -o "$work/stage/$win/pirogram-host.exe" "$host_exe"
cp -r "$native/reference" "$work/stage/$win/reference"
# The scripts that drew the reference's pictures belong beside the examples.
rm -rf "$work/stage/$win/reference/examples"
cp -r "$root/examples" "$work/stage/$win/examples"
cp -r "$native/reference/examples/reference" "$work/stage/$win/examples/reference"
windows_text() { printf '\xEF\xBB\xBF'; crlf; }
text windows/ПРОЧТИ.txt | windows_text >"$work/stage/$win/ПРОЧТИ.txt"
text windows/README.txt | windows_text >"$work/stage/$win/README.txt"
python3 "$root/scripts/notices.py" --list "$root/packaging/notices/windows.list" --build "$win32" \
  --title "Pirogram $version for Windows (Pirogram.nbp, pirogram-host.exe): third-party notices" \
  --out "$work/notices-win.txt" "$dll" "$host_exe" || fail "no third-party notices for the Windows binaries (reason above)"
windows_text <"$work/notices-win.txt" >"$work/stage/$win/THIRD-PARTY-NOTICES.txt"
rm -f "$out/$win.zip"
# Python's zipfile flags non-ASCII names as UTF-8 (general purpose bit 11), which
# Windows' own zip tools need to show ПРОЧТИ.txt; Info-ZIP's zip -X drops it.
python3 - "$work/stage" "$win" "$out/$win.zip" <<'PY'
import os, sys, zipfile
stage, top, target = sys.argv[1:]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for folder, dirs, files in os.walk(os.path.join(stage, top)):
        dirs.sort()
        for name in sorted(files):
            path = os.path.join(folder, name)
            z.write(path, os.path.relpath(path, stage))
PY

# The checks.
reference=$(cd "$native/reference" && find . -type f -not -path './examples/*' | sed 's|^\./|reference/|' | sort)
examples=$({ (cd "$root/examples" && find . -type f); (cd "$native/reference/examples" && find ./reference -type f); } |
  sed 's|^\./|examples/|' | sort)
want_lin=$(printf '%s\n' Pirogram.so README.txt THIRD-PARTY-NOTICES.txt libpgplatform.so pirogram-host "$examples" \
  "$reference" |
  sed "s|^|$lin/|" | sort)
got_lin=$(tar -tzf "$out/$lin.tar.gz" | grep -v '/$' | sort)
[ "$got_lin" = "$want_lin" ] || fail "$lin.tar.gz holds other files: $(diff <(echo "$want_lin") <(echo "$got_lin") || true)"
want_win=$(printf '%s\n' Pirogram.nbp pirogram-host.exe README.txt ПРОЧТИ.txt THIRD-PARTY-NOTICES.txt "$examples" \
  "$reference" | sed "s|^|$win/|" | sort)
got_win=$(unzip -Z1 "$out/$win.zip" | grep -v '/$' | sort)
[ "$got_win" = "$want_win" ] || fail "$win.zip holds other files: $(diff <(echo "$want_win") <(echo "$got_win") || true)"
mkdir "$work/zipped"
unzip -q "$out/$win.zip" -d "$work/zipped"
zipped="$work/zipped/$win/Pirogram.nbp"
i686-w64-mingw32-objdump -f "$zipped" | grep -q 'file format pei-i386' || fail "Pirogram.nbp is not a 32-bit DLL"
i686-w64-mingw32-objdump -f "$work/zipped/$win/pirogram-host.exe" | grep -q 'file format pei-i386' ||
  fail "pirogram-host.exe is not a 32-bit program"
# Both run alone: they import only Windows' own DLLs, none of MinGW's or a library's.
for f in Pirogram.nbp pirogram-host.exe; do
  foreign=$(i686-w64-mingw32-objdump -p "$work/zipped/$win/$f" | sed -n 's/^\s*DLL Name: //p' |
    grep -iE '^(lib|zlib|cyg|msys)' || true)
  [ -z "$foreign" ] || fail "$f needs DLLs the zip does not carry: $foreign"
done
exports() { i686-w64-mingw32-objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p'; }
[ "$(exports "$zipped")" = "$(exports "$dll")" ] && [ -n "$(exports "$dll")" ] ||
  fail "the zip's Pirogram.nbp does not export what the build's does"
cmake -DDLL="$zipped" -DWINDRES=i686-w64-mingw32-windres -DVERSION="$version" \
  -P "$root/cmake/check_version_resource.cmake" >/dev/null || fail "the zip's Pirogram.nbp lost its version resource"
for f in ПРОЧТИ.txt README.txt THIRD-PARTY-NOTICES.txt; do
  [ "$(head -c 3 "$work/zipped/$win/$f" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "$f in the zip has no UTF-8 byte order mark"
  iconv -f UTF-8 -t UTF-8 "$work/zipped/$win/$f" >/dev/null 2>&1 || fail "$f in the zip is not UTF-8"
done
grep -q 'Куда положить файл' "$work/zipped/$win/ПРОЧТИ.txt" || fail "ПРОЧТИ.txt lost its Russian text"
# Both read-me files and the tarball's name the notices.
for f in "$work/zipped/$win/README.txt" "$work/zipped/$win/ПРОЧТИ.txt" "$work/stage/$lin/README.txt"; do
  grep -q 'THIRD-PARTY-NOTICES.txt' "$f" || fail "$(basename "$f") does not name THIRD-PARTY-NOTICES.txt"
done
unflagged=$(python3 - "$out/$win.zip" <<'PY'
import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    if not i.filename.isascii() and not i.flag_bits & 0x800:
        print(i.filename)
PY
)
[ -z "$unflagged" ] || fail "$win.zip stores non-ASCII names without the UTF-8 flag: $unflagged"

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
# The README's quick start, its "$ " lines run as written from beside the archive.
mkdir "$work/quick"
cp "$out/$lin.tar.gz" "$work/quick/"
sed -n 's/^ *\$ //p' "$top/README.txt" >"$work/quick.sh"
[ "$(wc -l <"$work/quick.sh")" -ge 3 ] || fail "the tarball's README.txt has no quick start"
(cd "$work/quick" && env -i PATH=/usr/bin:/bin bash -e "$work/quick.sh") >"$work/quick.log" 2>&1 ||
  fail "the tarball's quick start failed: $(cat "$work/quick.log")"
[ -s "$work/quick/$lin/first.png" ] || fail "the tarball's quick start drew no first.png where its README says"
echo "dist: $out/$win.zip ($(echo "$got_win" | wc -l) files)"
echo "dist: $out/$lin.tar.gz ($(echo "$got_lin" | wc -l) files; the demo and the README's quick start run from a fresh folder)"
