#!/usr/bin/env bash
# The set-up as on a bad day at the package archive, against stand-ins for
# apt-get, dpkg, dpkg-query and id: the deb-src entry mirrors the machine's own
# Debian entries (a local mirror stays in use), index errors get one more
# update, a 32-bit Wine that cannot be installed is left out with one line and
# sends dev.sh's decision to the 64-bit path, and any other package that cannot
# be installed stops the set-up with apt's own message.
#   tests/setup/setup_test.sh SOURCE_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
failures=0
check() { if ! eval "$2"; then echo "FAILED: $1" >&2; failures=$((failures + 1)); fi; }

mkdir -p "$t/repo/scripts" "$t/bin" "$t/apt/sources.list.d"
cp "$src"/scripts/{setup,probe-32bit,debian-sources,runs-32bit}.sh "$t/repo/scripts/"
echo 'VERSION_CODENAME=bookworm' >"$t/os-release"
cat >"$t/apt/sources.list" <<'SRC'
# a local mirror in the one-line format, and another vendor's archive
deb [arch=amd64 signed-by=/usr/share/keyrings/mirror.gpg] http://mirror.lan/debian/ bookworm main # comment
deb http://mirror.lan/debian bookworm-updates main
deb [ signed-by=/k.gpg ] https://vendor.example/apt stable main
SRC
cat >"$t/apt/sources.list.d/more.sources" <<'SRC'
Types: deb
URIs: http://mirror.lan/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/mirror.gpg

# switched off, and backports: neither is mirrored
Types: deb deb-src
URIs: http://old.lan/debian
Suites: bookworm
Components: main
Enabled: no

Types: deb
URIs: http://mirror.lan/debian
Suites: bookworm-backports
Components: main
SRC

# Stand-ins: every package installed but those listed in $t/absent; apt-get
# logs its calls, fails its first update with an index error, and fails to
# install whatever $t/broken names.
cat >"$t/bin/dpkg-query" <<'STUB'
#!/bin/bash
p=${@: -1}
grep -qxF "$p" "$STUBS/absent" 2>/dev/null && exit 1
echo "install ok installed"
STUB
cat >"$t/bin/apt-get" <<'STUB'
#!/bin/bash
echo "apt-get $*" >>"$STUBS/calls"
if [[ " $* " == *" update "* ]]; then
  n=$(grep -c ' update' "$STUBS/calls")
  if [ "$n" -eq 1 ]; then echo "E: Failed to fetch http://mirror.lan/debian/dists/bookworm/main/binary-i386/Packages.xz  File has unexpected size (123 != 456). Mirror sync in progress?"; exit 100; fi
  exit 0
fi
for p in $(cat "$STUBS/broken" 2>/dev/null); do
  if [[ " $* " == *" $p "* ]]; then
    echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100
  fi
done
exit 0
STUB
printf '#!/bin/bash\necho "dpkg $*" >>"$STUBS/calls"\n' >"$t/bin/dpkg"
printf '#!/bin/bash\necho 0\n' >"$t/bin/id"
chmod +x "$t/bin/"*
export STUBS=$t PATH="$t/bin:$PATH" PG_APT_DIR=$t/apt PG_OS_RELEASE=$t/os-release

# The derived entry: the mirror's URIs, suites, components and keys; nothing else.
want='Types: deb-src
URIs: http://mirror.lan/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/mirror.gpg

Types: deb-src
URIs: http://mirror.lan/debian
Suites: bookworm-updates
Components: main

Types: deb-src
URIs: http://mirror.lan/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/mirror.gpg'
got=$("$t/repo/scripts/debian-sources.sh" "$t/apt")
check "the deb-src entry mirrors the Debian entries: $got" '[ "$got" = "$want" ]'
check "no Debian entry is an error" '! "$t/repo/scripts/debian-sources.sh" "$t/nothing" 2>/dev/null'
# A machine's own deb-src entry does the job (a switched-off one does not).
check "a switched-off deb-src entry is no entry" '! "$t/repo/scripts/debian-sources.sh" --existing "$t/apt" >/dev/null'
mkdir -p "$t/own/sources.list.d"
printf 'deb http://mirror.lan/debian bookworm main\ndeb-src http://mirror.lan/debian bookworm main\n' >"$t/own/sources.list"
check "the machine's own deb-src entry is found" '"$t/repo/scripts/debian-sources.sh" --existing "$t/own" >/dev/null'

# A machine that runs 32-bit code, where wine32 cannot be installed today.
printf 'wine32:i386\nlintian\n' >"$t/absent"
echo 'wine32:i386' >"$t/broken"
rc=0
PG_NO_32BIT=0 "$t/repo/scripts/setup.sh" >"$t/out" 2>&1 || rc=$?
check "set-up goes on without 32-bit Wine (exit $rc): $(cat "$t/out")" '[ $rc -eq 0 ]'
check "one line says why 32-bit Wine was left out" \
  '[ "$(grep -c "32-bit Wine left out (E: Unable to correct problems, you have held broken packages.)" "$t/out")" = 1 ]'
check "an index error gets one more apt-get update" '[ "$(grep -c " update" "$t/calls")" = 2 ]'
check "the required package is installed" 'grep -q "install .*lintian" "$t/calls"'
check "the i386 architecture is added for it" 'grep -q "dpkg --add-architecture i386" "$t/calls"'
check "the deb-src entry is written" '[ "$(cat "$t/apt/sources.list.d/pirogram-src.sources")" = "$want" ]'
reason=$(PG_NO_32BIT=0 "$t/repo/scripts/runs-32bit.sh") && rc=0 || rc=$?
check "dev.sh is told to take the 64-bit path, with the reason: $reason" \
  '[ $rc -eq 1 ] && [[ "$reason" == "32-bit Wine is not installed (E: Unable to correct problems"* ]]'

# The forced failure, and a second run: the entry is current, nothing to write.
: >"$t/calls"
printf 'wine32:i386\n' >"$t/absent"
PG_NO_32BIT=0 PG_WINE32_FAIL=1 "$t/repo/scripts/setup.sh" >"$t/out" 2>&1 || true
check "PG_WINE32_FAIL=1 leaves it out: $(cat "$t/out")" 'grep -q "32-bit Wine left out (PG_WINE32_FAIL=1 is set)" "$t/out"'
check "no wine32 install is tried then" '! grep -q "install .*wine32" "$t/calls"'

# Where 32-bit code cannot run, wine32 is not even tried, and nothing else is missing.
: >"$t/calls"
PG_NO_32BIT=1 "$t/repo/scripts/setup.sh" >"$t/out" 2>&1 && rc=0 || rc=$?
check "nothing to do: exit 0, silent, no apt-get: $(cat "$t/out")" '[ $rc -eq 0 ] && [ ! -s "$t/out" ] && [ ! -s "$t/calls" ]'

# Any other package that cannot be installed stops the set-up with apt's message.
printf 'lintian\n' >"$t/absent"
echo 'lintian' >"$t/broken"
PG_NO_32BIT=1 "$t/repo/scripts/setup.sh" >"$t/out" 2>&1 && rc=0 || rc=$?
check "a required package that fails stops the set-up (exit $rc)" '[ $rc -ne 0 ]'
check "with apt's own message" 'grep -q "^E: Unable to correct problems" "$t/out"'

# The archive host named nowhere in the project.
check "no archive host in the project" '! grep -rIlE "deb\.debian\.org|security\.debian\.org|ftp\.[a-z]+\.debian\.org" "$src" --exclude-dir=build --exclude-dir=.git'

[ $failures -eq 0 ] && echo "setup_test: all passed"
exit $((failures > 0))
