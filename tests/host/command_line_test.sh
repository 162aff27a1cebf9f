#!/usr/bin/env bash
# The host as a user starts it: --help, a script on standard input, and the
# module found beside the real program when the host is started through a
# symbolic link or the PATH, from a folder that holds nothing of it.
#   tests/host/command_line_test.sh HOST VERSION [EMULATOR]
# With an emulator (the Windows build under Wine) the PATH case goes through
# cmd.exe with the host's folder on Wine's PATH; Windows programs do not follow
# Unix symbolic links, so that case is native only.
set -euo pipefail
host=$(realpath "$1")
version=$2
emulator=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "command_line_test: $*" >&2; exit 1; }
# A clean environment, but for a sanitized build's options (its suppressions).
clean=(env -i)
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [ -z "${!v:-}" ] || clean+=("$v=${!v}")
done
run() { if [ -n "$emulator" ]; then "$emulator" "$@"; else "$@"; fi; }

# --help: the usage and the script commands, on standard output, status 0.
run "$host" --help >"$work/help.txt" 2>"$work/help.err" || fail "--help exited with $?"
grep -q '^usage: pirogram-host' "$work/help.txt" || fail "--help printed no usage"
for command in 'rect NAME W H' 'save NAME FILE' 'tick N' 'catalogue'; do
  grep -qF "$command" "$work/help.txt" || fail "--help does not list '$command'"
done
[ ! -s "$work/help.err" ] || fail "--help wrote to standard error: $(cat "$work/help.err")"
# A wrong call still goes to standard error with status 2.
status=0
run "$host" --no-such-option >/dev/null 2>"$work/usage.err" || status=$?
[ $status -eq 2 ] && grep -q '^usage:' "$work/usage.err" || fail "a wrong option gave status $status"

# "-": the script from standard input; its picture lands in the current folder.
mkdir "$work/stdin"
printf 'rect P 120 90\r\npgChartCreate "P"\npgAddSeriesChart "P" "3" "\xd0\xa1\xd0\xb5\xd0\xb2\xd0\xb5\xd1\x80" ""\nsave P piped.png\nprint [LastError]\n' |
  (cd "$work/stdin" && run "$host" -) >"$work/stdin.out" 2>&1 || fail "a script from standard input failed: $(cat "$work/stdin.out")"
[ -s "$work/stdin/piped.png" ] || fail "the script from standard input saved no picture"
grep -qx '\[LastError\] is not set\r\?' "$work/stdin.out" || fail "unexpected output from standard input: $(cat "$work/stdin.out")"

# The module beside the real program, whatever the program was started by.
mkdir "$work/empty" "$work/links"
versions_ok() {  # what --version printed names a module of this version
  grep -q "^pirogram-host $version" "$1" && grep -q "^module .*Pirogram\.\(so\|nbp\) $version" "$1"
}
if [ -z "$emulator" ]; then
  ln -s "$host" "$work/links/pirogram-host"
  (cd "$work/empty" && "${clean[@]}" "$work/links/pirogram-host" --version) >"$work/link.out" 2>&1 ||
    fail "through a symbolic link: $(cat "$work/link.out")"
  versions_ok "$work/link.out" || fail "through a symbolic link: $(cat "$work/link.out")"
  grep -qF "module $(dirname "$host")/Pirogram.so" "$work/link.out" ||
    fail "through a symbolic link the module was not the one beside the program: $(cat "$work/link.out")"
  (cd "$work/empty" && "${clean[@]}" PATH="$work/links" pirogram-host --version) >"$work/path.out" 2>&1 ||
    fail "through the PATH: $(cat "$work/path.out")"
  versions_ok "$work/path.out" || fail "through the PATH: $(cat "$work/path.out")"
  # The whole way a user goes: a script run through the link, from elsewhere.
  (cd "$work/empty" && printf 'rect P 80 60\npgChartCreate "P"\nsave P linked.png\n' |
    "${clean[@]}" PATH="$work/links" pirogram-host -) >"$work/linked.out" 2>&1 || fail "a script through the link: $(cat "$work/linked.out")"
  [ -s "$work/empty/linked.png" ] || fail "a script through the link saved no picture"
else
  # Wine maps the Unix root to drive Z:.
  windir="Z:$(dirname "$host" | tr / '\\')"
  (cd "$work/empty" && WINEPATH="$windir" run cmd /c "$(basename "$host")" --version) >"$work/path.out" 2>&1 ||
    fail "through the PATH: $(cat "$work/path.out")"
  versions_ok "$work/path.out" || fail "through the PATH: $(cat "$work/path.out")"
fi
echo "command_line_test: --help, standard input and the module lookup work"
