#!/usr/bin/env bash
# Installs the Debian package as a user does, runs the installed host from an
# empty folder with a clean environment, and removes the package again, leaving
# none of its files.
#   scripts/deb-install-test.sh DEB
# Exit status 77 (skipped, said loudly): not root, or a pirogram package is
# installed already (the test would replace it, then remove it).
set -euo pipefail
deb=$(realpath "$1")
skip() { echo "deb-install-test: SKIPPED: $*" >&2; exit 77; }
fail() { echo "deb-install-test: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
version=$(dpkg-deb -f "$deb" Version)

# Developers sharing a machine take turns; apt waits for another dpkg's lock.
exec 9>/var/lock/pirogram-deb-test.lock
flock 9
if dpkg-query -W -f='${Status}' pirogram 2>/dev/null | grep -q 'ok installed'; then
  skip "pirogram $(dpkg-query -W -f='${Version}' pirogram) is installed on this machine; remove it to run this test"
fi
apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)
work=$(mktemp -d)
chmod 0755 "$work"
cleanup() {
  dpkg-query -W pirogram >/dev/null 2>&1 && DEBIAN_FRONTEND=noninteractive "${apt[@]}" purge pirogram >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive "${apt[@]}" install "$deb" >"$work/install.log" 2>&1 ||
  fail "apt-get install $deb failed: $(tail -20 "$work/install.log")"
files=$(dpkg-query -L pirogram)

# From an empty folder, no environment but a PATH: the pictures land there.
mkdir "$work/run"
(cd "$work/run" && env -i PATH=/usr/bin:/bin pirogram-host /usr/share/doc/pirogram/examples/demo.pgs) \
  >"$work/demo.log" 2>&1 || fail "the installed host failed on demo.pgs: $(cat "$work/demo.log")"
for p in demo_3d demo_flat demo_rotated demo_deeper demo_rolled demo_hidden; do
  [ -s "$work/run/$p.png" ] || fail "the installed demo drew no $p.png in the current folder"
done
(cd "$work/run" && env -i /usr/bin/pirogram-host /usr/share/doc/pirogram/examples/pictures.pgs) \
  >"$work/pictures.log" 2>&1 || fail "the installed host failed on pictures.pgs: $(cat "$work/pictures.log")"
cmp -s "$work/run/pictures_stretched.png" "$work/run/pictures_from_center.png" &&
  fail "pictures.pgs found no back picture beside it"
env -i /usr/bin/pirogram-host --version >"$work/version.txt" 2>&1 || fail "--version: $(cat "$work/version.txt")"
grep -qx "module /usr/lib/pirogram/Pirogram.so $version" "$work/version.txt" ||
  fail "--version does not name the installed module $version: $(cat "$work/version.txt")"
man -w pirogram-host >/dev/null 2>&1 || fail "man pirogram-host finds no page"
[ -s /usr/share/doc/pirogram/THIRD-PARTY-NOTICES.txt ] || fail "the package installs no THIRD-PARTY-NOTICES.txt"
sed 's/^/deb-install-test: /' "$work/version.txt"

DEBIAN_FRONTEND=noninteractive "${apt[@]}" remove pirogram >"$work/remove.log" 2>&1 ||
  fail "apt-get remove pirogram failed: $(tail -20 "$work/remove.log")"
left=$(while read -r f; do if [ -f "$f" ] || [ -L "$f" ]; then echo "$f"; fi; done <<<"$files")
[ -z "$left" ] || fail "apt-get remove left files of the package: $left"
for d in /usr/lib/pirogram /usr/share/doc/pirogram; do
  [ ! -e "$d" ] || fail "apt-get remove left $d"
done
echo "deb-install-test: installed, ran demo.pgs and pictures.pgs from an empty folder, removed without a trace"
