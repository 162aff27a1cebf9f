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
# A wrong call still goes to standard error with status 2, naming what is wrong.
status=0
run "$host" --no-such-option >/dev/null 2>"$work/usage.err" || status=$?
[ $status -eq 2 ] && grep -q '^usage:' "$work/usage.err" || fail "a wrong option gave status $status"
[ "$(head -n 1 "$work/usage.err" | tr -d '\r')" = "unknown option --no-such-option" ] ||
  fail "a wrong option was not named: $(cat "$work/usage.err")"

# A script that cannot be read: the reason and status 2, never an abort.
# cannot_read WHAT REASON PATH: the host is given PATH.
cannot_read() {
  local what=$1 reason=$2 path=$3 status=0
  timeout 60 "${runner_prefix[@]}" "$host" "$path" >"$work/read.out" 2>"$work/read.err" || status=$?
  [ $status -eq 2 ] || fail "$what: status $status: $(cat "$work/read.err")"
  grep -qxF "cannot read $path: $reason" <(tr -d '\r' <"$work/read.err") ||
    fail "$what: $(cat "$work/read.err")"
}
runner_prefix=()
[ -z "$emulator" ] || runner_prefix=("$emulator")
mkdir "$work/folder"
cannot_read "a folder" "Is a directory" "$work/folder"
cannot_read "a missing file" "No such file or directory" "$work/none.pgs"
if [ -z "$emulator" ]; then
  mkfifo "$work/pipe"
  cannot_read "a named pipe with no writer" "a named pipe that nothing writes to" "$work/pipe"
  # A pipe with a writer is a script like any other.
  run "$host" <(printf 'print x\n') >"$work/subst.out" 2>&1 || fail "a process substitution: $(cat "$work/subst.out")"
  grep -qx 'x is not set' "$work/subst.out" || fail "a process substitution: $(cat "$work/subst.out")"
  printf 'print x\n' >"$work/locked.pgs"
  chmod 000 "$work/locked.pgs"
  if [ "$(id -u)" -ne 0 ]; then
    cannot_read "a file without read permission" "Permission denied" "$work/locked.pgs"
  elif command -v setpriv >/dev/null && chmod 755 "$work" &&
       setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
    # Root reads anything: the case runs as nobody.
    runner_prefix=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    cannot_read "a file without read permission" "Permission denied" "$work/locked.pgs"
    runner_prefix=()
  else
    echo "command_line_test: SKIPPED the unreadable file: root reads it and setpriv cannot drop to nobody"
  fi
fi

# Each file a script writes is named on standard error, unless --quiet.
mkdir "$work/wrote"
printf 'rect P 120 90\npgChartCreate "P"\nsave P named.png\npgChartColor "P" "red"\n' >"$work/wrote.pgs"
(cd "$work/wrote" && run "$host" "$work/wrote.pgs") >"$work/wrote.out" 2>"$work/wrote.err" ||
  fail "a script that writes: $(cat "$work/wrote.err")"
grep -qx 'wrote named.png (120 × 90, PNG)' <(tr -d '\r' <"$work/wrote.err") ||
  fail "the written file was not named: $(cat "$work/wrote.err")"
grep -qx 'line 4: pgChartColor: parameter 2 "red" is not a colour R,G,B (three whole numbers); nothing changed' \
  <(tr -d '\r' <"$work/wrote.err") || fail "the ignored colour was not told: $(cat "$work/wrote.err")"
(cd "$work/wrote" && run "$host" --quiet "$work/wrote.pgs") >"$work/quiet.out" 2>"$work/quiet.err" ||
  fail "--quiet: $(cat "$work/quiet.err")"
[ ! -s "$work/quiet.err" ] || fail "--quiet still said: $(cat "$work/quiet.err")"
status=0
(cd "$work/wrote" && run "$host" --strict "$work/wrote.pgs") >/dev/null 2>"$work/strict.err" || status=$?
[ $status -eq 1 ] || fail "--strict ended with status $status: $(cat "$work/strict.err")"

# A vector save goes as every save goes: over a read-only file it is refused
# and the file kept; a file of the author's in the folder is never touched;
# through a symbolic link the link's target gets the picture, with its mode.
mkdir "$work/vector"
printf 'kept' >"$work/vector/locked.svg"
chmod 444 "$work/vector/locked.svg"
printf 'mine' >"$work/vector/~pg-save.svg"
printf 'rect P 120 90\npgChartCreate "P"\nsave P %s\n' locked.svg >"$work/locked.pgs"
status=0
(cd "$work/vector" && run "$host" "$work/locked.pgs") >/dev/null 2>"$work/locked.err" || status=$?
[ $status -eq 2 ] && grep -q "cannot write locked.svg" "$work/locked.err" ||
  fail "a read-only file was not refused (status $status): $(cat "$work/locked.err")"
[ "$(cat "$work/vector/locked.svg")" = kept ] || fail "the read-only file was replaced"
printf 'rect P 120 90\npgChartCreate "P"\nsave P fresh.svg\n' >"$work/fresh.pgs"
(cd "$work/vector" && run "$host" "$work/fresh.pgs") >/dev/null 2>"$work/fresh.err" ||
  fail "a vector save: $(cat "$work/fresh.err")"
grep -q '<svg' "$work/vector/fresh.svg" || fail "the vector save wrote no SVG"
[ "$(cat "$work/vector/~pg-save.svg")" = mine ] || fail "a file of the author's was overwritten"
[ "$(ls "$work/vector" | wc -l)" -eq 3 ] || fail "the vector saves left files behind: $(ls "$work/vector")"
if [ -z "$emulator" ]; then
  printf 'old' >"$work/vector/target.svg"
  chmod 640 "$work/vector/target.svg"
  ln -s target.svg "$work/vector/link.svg"
  printf 'rect P 120 90\npgChartCreate "P"\nsave P link.svg\n' >"$work/link.pgs"
  (cd "$work/vector" && run "$host" "$work/link.pgs") >/dev/null 2>"$work/link.err" ||
    fail "a save through a link: $(cat "$work/link.err")"
  [ -L "$work/vector/link.svg" ] || fail "the symbolic link was replaced by a file"
  grep -q '<svg' "$work/vector/target.svg" || fail "the link's target did not get the picture"
  [ "$(stat -c %a "$work/vector/target.svg")" = 640 ] || fail "the mode was not kept"
fi

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
echo "command_line_test: --help, the options, unreadable scripts, the notes, vector saves, standard input and the module lookup work"
