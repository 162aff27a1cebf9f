#!/usr/bin/env bash
# The release's notices against small programs linked here: a library built
# from a source package gets its recorded copyright file and version; an archive
# no line covers, a banner no library accounts for, a version string that
# differs from the notice's and a binary without its link map each fail.
#   tests/dist/notices_test.sh SOURCE_DIR
set -euo pipefail
notices=$(cd "$1" && pwd)/scripts/notices.py
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
failures=0
check() { if ! eval "$2"; then echo "FAILED: $1" >&2; failures=$((failures + 1)); fi; }

mkdir -p "$t/build/bin" "$t/deps/lib" "$t/deps/notices/foo"
printf 'PG_WIN32_DEPS:PATH=%s\n' "$t/deps" >"$t/build/CMakeCache.txt"
# libfoo: a third-party library with its banner, "built" into the deps prefix.
cat >"$t/foo.c" <<'C'
const char *foo_banner(void) { return "foo 2.0 Copyright (C) 2020 The Foo People"; }
C
printf 'const char *foo_banner(void);\nint main(void) { return foo_banner()[0] == 0; }\n' >"$t/main.c"
cc -c "$t/foo.c" -o "$t/foo.o" && ar rcs "$t/deps/lib/libfoo.a" "$t/foo.o"
cc -c "$t/main.c" -o "$t/build/main.o"
(cd "$t/build" && cc main.o "$t/deps/lib/libfoo.a" -o bin/prog -Wl,-Map=bin/prog.map)
printf 'Files: *\nCopyright: 2020 The Foo People\nLicense: Foo-1\n' >"$t/deps/notices/foo/copyright"
echo 2.0-1 >"$t/deps/notices/foo/version"
cat >"$t/good.list" <<'L'
# name | archives | notice | strings | statement
foo | */libfoo.a | source foo | foo ([0-9.]+) Copyright | This software is based in part on the work of the Foo People.
unused | */libunused.a | package unused-* | |
L
run() { python3 "$notices" --list "$1" --build "$t/build" --title "Test notices" --out "$t/out.txt" \
  "${@:2}" >"$t/err" 2>&1; }

run "$t/good.list" "$t/build/bin/prog" && rc=0 || rc=$?
check "a covered library passes: $(cat "$t/err")" '[ $rc -eq 0 ]'
check "its notice: version, statement and copyright text" \
  'grep -qx "  foo, 2.0-1" "$t/out.txt" && grep -q "^This software is based in part on the work of the Foo People.$" "$t/out.txt" &&
   grep -qx "License: Foo-1" "$t/out.txt" && grep -q "^libfoo.a: built from Debian.s source package foo, version 2.0-1$" "$t/out.txt"'
check "a library not linked gets no notice" '! grep -q unused "$t/out.txt"'

echo 2.1-1 >"$t/deps/notices/foo/version"
run "$t/good.list" "$t/build/bin/prog" && rc=0 || rc=$?
check "a version string that differs from the notice fails: $(cat "$t/err")" \
  '[ $rc -ne 0 ] && grep -q "carries foo 2.0, but its notice is of 2.1" "$t/err"'
echo 2.0-1 >"$t/deps/notices/foo/version"

grep -v '^foo' "$t/good.list" >"$t/without.list"
run "$t/without.list" "$t/build/bin/prog" && rc=0 || rc=$?
check "an archive no line covers fails: $(cat "$t/err")" '[ $rc -ne 0 ] && grep -q "links .*libfoo.a, which no line of" "$t/err"'

# The same code compiled into the program itself: no archive, but its banner.
(cd "$t/build" && cc main.o "$t/foo.o" -o bin/inline -Wl,-Map=bin/inline.map)
run "$t/without.list" "$t/build/bin/inline" && rc=0 || rc=$?
check "a banner no library accounts for fails: $(cat "$t/err")" \
  '[ $rc -ne 0 ] && grep -q "carries \"foo 2.0 Copyright (C) 2020 The Foo People\", which no line" "$t/err"'
run "$t/good.list" "$t/build/bin/inline" && rc=0 || rc=$?
check "a library's strings without its archive in the map fail: $(cat "$t/err")" \
  '[ $rc -ne 0 ] && grep -q "link maps show no archive of it" "$t/err"'

rm "$t/build/bin/prog.map"
run "$t/good.list" "$t/build/bin/prog" && rc=0 || rc=$?
check "a binary without its link map fails: $(cat "$t/err")" '[ $rc -ne 0 ] && grep -q "no link map" "$t/err"'

[ $failures -eq 0 ] && echo "notices_test: all passed"
exit $((failures > 0))
